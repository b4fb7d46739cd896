#include "gui/QtRecentFileStore.h"

#include <QSettings>

#include "app/RecentFileList.h"

namespace tarvix {

namespace {

constexpr auto kGroup = "Recent File List";

QString ValueName(std::size_t index) { return QStringLiteral("File%1").arg(index + 1); }

}  // namespace

std::vector<std::string> QtRecentFileStore::LoadRecentFiles() const {
  QSettings settings(QStringLiteral("Brenholt"), QStringLiteral("BHG Tarvix"));
  settings.beginGroup(QString::fromLatin1(kGroup));
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
    const QString path = settings.value(ValueName(i)).toString();
    if (!path.isEmpty()) paths.push_back(path.toStdString());
  }
  return paths;
}

void QtRecentFileStore::SaveRecentFiles(const std::vector<std::string>& paths) {
  QSettings settings(QStringLiteral("Brenholt"), QStringLiteral("BHG Tarvix"));
  settings.beginGroup(QString::fromLatin1(kGroup));
  for (std::size_t i = 0; i < RecentFileList::kSize; ++i) {
    if (i < paths.size())
      settings.setValue(ValueName(i), QString::fromStdString(paths[i]));
    else
      settings.remove(ValueName(i));
  }
}

}  // namespace tarvix
