#pragma once
#include <QTreeView>

#include "profileview/MarkerListModel.h"

namespace tarvix {

class CTarvixDoc;

// The report list of every marker inside the "Marker list" bar: a view of the marker list model
// whose selection it shares, one row's change at a time, with the list's own context menu.
class CMarkerList : public QTreeView, public MarkerListModel::Observer {
  Q_OBJECT
 public:
  explicit CMarkerList(MarkerListModel& model, QWidget* parent = nullptr);
  ~CMarkerList() override;

  void RowsReset() override;
  void RowChanged(int row) override;
  void SelectionChanged(int row) override;
  void RevealRow(int row) override;

  // The document the list was filled from, when it is a project document.
  CTarvixDoc* Document() const;

 protected:
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class Rows;
  void OnSelectionChanged(const QItemSelection& selected, const QItemSelection& deselected);

  MarkerListModel& model_;
  Rows* rows_;
  bool syncing_ = false;
};

}  // namespace tarvix
