#pragma once
#include <QDockWidget>

namespace tarvix {

class CMarkerList;
class MarkerListModel;

// The floating "Marker list" bar holding the list of every marker of the open project.
class CMarkerControl : public QDockWidget {
  Q_OBJECT
 public:
  explicit CMarkerControl(QWidget* parent);

  // The list shows this model (the application's one selection of markers).
  void SetModel(MarkerListModel& model);
  CMarkerList* List() const { return list_; }

 private:
  CMarkerList* list_ = nullptr;
};

}  // namespace tarvix
