#include "platform/MemorySettingsStore.h"

namespace tarvix {

namespace {
template <typename T>
std::optional<T> Get(const std::map<std::string, MemorySettingsStore::Value>& values,
                     const std::string& name) {
  auto it = values.find(name);
  if (it == values.end() || !std::holds_alternative<T>(it->second)) return std::nullopt;
  return std::get<T>(it->second);
}
}  // namespace

std::optional<std::int32_t> MemorySettingsStore::ReadInt(const std::string& name) const {
  return Get<std::int32_t>(values_, name);
}

std::optional<std::string> MemorySettingsStore::ReadString(const std::string& name) const {
  return Get<std::string>(values_, name);
}

std::optional<std::vector<std::uint8_t>> MemorySettingsStore::ReadBinary(const std::string& name) const {
  return Get<std::vector<std::uint8_t>>(values_, name);
}

void MemorySettingsStore::WriteInt(const std::string& name, std::int32_t value) { Store(name, value); }

void MemorySettingsStore::WriteString(const std::string& name, const std::string& value) {
  Store(name, value);
}

void MemorySettingsStore::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
  Store(name, value);
}

void MemorySettingsStore::Store(const std::string& name, Value value) {
  values_[name] = std::move(value);
  writeLog_.push_back(name);
}

}  // namespace tarvix
