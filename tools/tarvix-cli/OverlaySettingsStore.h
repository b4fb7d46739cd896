#pragma once
#include <map>
#include <string>

#include "platform/SettingsStore.h"

namespace tarvix::cli {

// The user's settings with some values overridden for one run; nothing is ever written back.
class OverlaySettingsStore : public SettingsStore {
 public:
  explicit OverlaySettingsStore(const SettingsStore& base) : base_(base) {}

  // False (with a reason) when NAME is no setting the tool can override or VALUE does not fit it.
  bool Override(const std::string& name, const std::string& value, std::string& reason);

  std::optional<std::int32_t> ReadInt(const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& name) const override;
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const override;

  void WriteInt(const std::string&, std::int32_t) override {}
  void WriteString(const std::string&, const std::string&) override {}
  void WriteBinary(const std::string&, const std::vector<std::uint8_t>&) override {}

 private:
  const SettingsStore& base_;
  std::map<std::string, std::int32_t> integers_;
  std::map<std::string, std::string> strings_;
  std::map<std::string, std::vector<std::uint8_t>> binaries_;
};

}  // namespace tarvix::cli
