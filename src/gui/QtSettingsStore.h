#pragma once
#include <QSettings>

#include "platform/SettingsStore.h"

namespace tarvix {

// The user's settings in QSettings: organisation "Brenholt", application "BHG Tarvix", group
// "settings" (on Windows the registry key itself). Needs only QtCore, so the program and the
// command-line tool share one store.
class QtSettingsStore : public SettingsStore {
 public:
  QtSettingsStore();

  std::optional<std::int32_t> ReadInt(const std::string& name) const override;
  std::optional<std::string> ReadString(const std::string& name) const override;
  std::optional<std::vector<std::uint8_t>> ReadBinary(const std::string& name) const override;

  void WriteInt(const std::string& name, std::int32_t value) override;
  void WriteString(const std::string& name, const std::string& value) override;
  void WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) override;

 private:
  QVariant Value(const std::string& name) const;
  void SetValue(const std::string& name, const QVariant& value);

  mutable QSettings settings_;
};

}  // namespace tarvix
