#include "gui/CMarkerControl.h"

#include "gui/CMarkerList.h"

namespace tarvix {

CMarkerControl::CMarkerControl(QWidget* parent) : QDockWidget(QStringLiteral("Marker list"), parent) {
  setObjectName(QStringLiteral("markerList"));
  setAllowedAreas(Qt::NoDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetMovable |
              QDockWidget::DockWidgetClosable);
  setFloating(true);
}

void CMarkerControl::SetModel(MarkerListModel& model) {
  list_ = new CMarkerList(model);
  setWidget(list_);
}

}  // namespace tarvix
