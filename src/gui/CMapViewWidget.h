#pragma once
#include <QImage>
#include <QWidget>
#include <functional>

#include "sitemap/CMapView.h"
#include "sitemap/MapViewWindow.h"

class QScrollBar;

namespace tarvix {

class CTarvixDoc;
class MarkerListModel;

// The window of the site map: it hands sizes, paints, mouse, keys and scrolling to the map's
// core and carries out what the core answers.
class CMapViewWidget : public QWidget, public MapViewWindow {
  Q_OBJECT
 public:
  CMapViewWidget(CTarvixDoc& document, MarkerListModel& markerList, QWidget* parent = nullptr);
  ~CMapViewWidget() override;

  CMapView& View() { return view_; }
  const QImage& Frame() const { return frame_; }
  // Told the zoom box's new text.
  void SetZoomBoxHandler(std::function<void(const QString&)> handler) { zoomBox_ = std::move(handler); }

  void Apply(const MapResponse& response) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ApplyScrollBars();
  void OnBarAction(QScrollBar* bar, int action);

  CTarvixDoc& doc_;
  CMapView view_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  QImage frame_;
  std::function<void(const QString&)> zoomBox_;
};

}  // namespace tarvix
