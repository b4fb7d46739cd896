#pragma once
#include <map>
#include <variant>

#include "platform/SettingsStore.h"

namespace tarvix {

// Settings held in memory: the store of tests and of runs that must not touch the user's settings.
// It keeps the names in the order they were written, so callers can check write order.
class MemorySettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string, std::vector<std::uint8_t>>;

  std::optional<std::int32_t> ReadInt(const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& name) const override;
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const override;

  void WriteInt(const std::string& name, std::int32_t value) override;
  void WriteString(const std::string& name, const std::string& value) override;
  void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;

  bool Contains(const std::string& name) const { return values_.count(name) != 0; }
  const std::vector<std::string>& WriteLog() const { return writeLog_; }
  void ClearWriteLog() { writeLog_.clear(); }

 private:
  void Store(const std::string& name, Value value);

  std::map<std::string, Value> values_;
  std::vector<std::string> writeLog_;
};

}  // namespace tarvix
