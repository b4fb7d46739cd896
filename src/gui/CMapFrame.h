#pragma once
#include <QMdiSubWindow>
#include <map>

#include "document/MapFrame.h"

class QLabel;
class QToolBar;

namespace tarvix {

class CMapViewWidget;
class CTarvixDoc;
class MarkerListModel;

// The site map's child frame, "Site Map": its tool bar with the fits, zooms, scales, grid, the
// coordinate choice and the zoom box, over the map.
class CMapFrame : public QMdiSubWindow, public MapFrame {
  Q_OBJECT
 public:
  CMapFrame(CTarvixDoc& document, MarkerListModel& markerList, QWidget* parent = nullptr);
  ~CMapFrame() override;

  void Show(bool shown) override;
  CTarvixDoc* Document() const { return doc_; }
  CMapViewWidget* ViewWidget() const { return view_; }
  QLabel* ZoomBox() const { return zoomBox_; }
  // Puts the frame where it was last closed, then fits the map into it.
  void InitialUpdate();
  // The buttons follow the map's state.
  void UpdateCommandUI();
  // The project is closing: the frame stores its placement and goes.
  void CloseByProgram();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void SavePlacement() const;
  void Forget();
  // Stores the placement and lets the view go before the frame does.
  void Release();

  CTarvixDoc* doc_;
  CMapViewWidget* view_;
  QLabel* zoomBox_ = nullptr;
  std::map<int, QAction*> buttons_;
};

}  // namespace tarvix
