#pragma once
#include <QImage>
#include <QWidget>

#include "profileview/CTarvixView.h"
#include "profileview/ProfileViewWindow.h"

class QScrollBar;

namespace tarvix {

class CTarvixDoc;
class MarkerListModel;

// The window of the profile view: it hands sizes, paints, scrolling and keys to the view's core
// and shows the off-screen image the core paints.
class CTarvixViewWidget : public QWidget, public ProfileViewWindow {
  Q_OBJECT
 public:
  CTarvixViewWidget(CTarvixDoc& document, const MarkerListModel& markerList, QWidget* parent = nullptr);
  ~CTarvixViewWidget() override;

  CTarvixView& View() { return view_; }
  // The client area as last painted.
  const QImage& Frame() const { return frame_; }

  void Invalidate() override { update(); }
  void UpdateNow() override { repaint(); }
  void ApplyScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void ScrollHorizontally(int firstColumn);
  void ScrollVertically(int firstSample);
  void OnBarAction(QScrollBar* bar, int action);

  CTarvixDoc& doc_;
  CTarvixView view_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  ScrollBarState horizontalState_;
  ScrollBarState verticalState_;
  QImage frame_;
};

}  // namespace tarvix
