#include "gui/CMarkerControl.h"

#include <QHeaderView>
#include <QStandardItemModel>
#include <QTreeView>

#include "profileview/MarkerListModel.h"

namespace tarvix {

CMarkerControl::CMarkerControl(QWidget* parent) : QDockWidget(QStringLiteral("Marker list"), parent) {
  setObjectName(QStringLiteral("markerList"));
  setAllowedAreas(Qt::NoDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetClosable);
  // The columns of the list, empty until the list view takes the bar's place.
  auto* columns = new QStandardItemModel(0, static_cast<int>(MarkerListModel::kColumns.size()), this);
  auto* list = new QTreeView;
  list->setRootIsDecorated(false);
  list->setModel(columns);
  int width = 0;
  for (int i = 0; i < columns->columnCount(); ++i) {
    const auto& column = MarkerListModel::kColumns[static_cast<std::size_t>(i)];
    columns->setHeaderData(i, Qt::Horizontal, QString::fromLatin1(column.title));
    list->header()->resizeSection(i, column.width);
    width += column.width;
  }
  list->setMinimumSize(width + 24, 160);
  setWidget(list);
  setFloating(true);
}

}  // namespace tarvix
