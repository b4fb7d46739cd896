#include "gui/QtSettingsStore.h"

namespace tarvix {

namespace {
const QString kGroup = QStringLiteral("settings");
QString Key(const std::string& name) { return kGroup + QLatin1Char('/') + QString::fromStdString(name); }
}  // namespace

QtSettingsStore::QtSettingsStore()
    : settings_(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brenholt"),
                QStringLiteral("BHG Tarvix")) {}

QVariant QtSettingsStore::Value(const std::string& name) const { return settings_.value(Key(name)); }

void QtSettingsStore::SetValue(const std::string& name, const QVariant& value) {
  settings_.setValue(Key(name), value);
}

// Values come back as strings from text-based formats, so the type is checked by conversion.
std::optional<std::int32_t> QtSettingsStore::ReadInt(const std::string& name) const {
  const QVariant value = Value(name);
  if (!value.isValid() || value.typeId() == QMetaType::QByteArray) return std::nullopt;
  bool ok = false;
  const int number = value.toInt(&ok);
  if (!ok) return std::nullopt;
  return number;
}

std::optional<std::string> QtSettingsStore::ReadString(const std::string& name) const {
  const QVariant value = Value(name);
  if (!value.isValid() || value.typeId() == QMetaType::QByteArray) return std::nullopt;
  return value.toString().toStdString();
}

std::optional<std::vector<std::uint8_t>> QtSettingsStore::ReadBinary(const std::string& name) const {
  const QVariant value = Value(name);
  if (!value.isValid() || value.typeId() != QMetaType::QByteArray) return std::nullopt;
  const QByteArray bytes = value.toByteArray();
  return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void QtSettingsStore::WriteInt(const std::string& name, std::int32_t value) { SetValue(name, value); }

void QtSettingsStore::WriteString(const std::string& name, const std::string& value) {
  SetValue(name, QString::fromStdString(value));
}

void QtSettingsStore::WriteBinary(const std::string& name, const std::vector<std::uint8_t>& value) {
  SetValue(name, QByteArray(reinterpret_cast<const char*>(value.data()), static_cast<qsizetype>(value.size())));
}

}  // namespace tarvix
