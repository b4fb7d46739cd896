#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvix {

// The user's persistent settings section: named 32-bit integers, strings and binary blocks.
// A read of an absent value, or of a value stored with another type, gives nothing.
class SettingsStore {
 public:
  virtual ~SettingsStore() = default;

  virtual std::optional<std::int32_t> ReadInt(const std::string& name) const = 0;
  virtual std::optional<std::string> ReadString(const std::string& name) const = 0;
  virtual std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const = 0;

  virtual void WriteInt(const std::string& name, std::int32_t value) = 0;
  virtual void WriteString(const std::string& name, const std::string& value) = 0;
  virtual void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) = 0;
};

}  // namespace tarvix
