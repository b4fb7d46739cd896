#pragma once
#include <QImage>
#include <QWidget>

#include "profileview/CTarvixView.h"
#include "profileview/PopupMenu.h"
#include "profileview/ProfileViewInteraction.h"
#include "profileview/ProfileViewWindow.h"

class QScrollBar;

namespace tarvix {

class CTarvixDoc;
class MarkerListModel;
class RemoteControlTarget;

// The window of the profile view: it hands sizes, paints, the mouse, keys and scrolling to the
// view's core and shows the off-screen image the core paints, with the interaction's lines over it.
class CTarvixViewWidget : public QWidget, public ProfileViewWindow {
  Q_OBJECT
 public:
  CTarvixViewWidget(CTarvixDoc& document, MarkerListModel& markerList, RemoteControlTarget* remote,
                    QWidget* parent = nullptr);
  ~CTarvixViewWidget() override;

  CTarvixView& View() { return view_; }
  ProfileViewInteraction& Interaction() { return interaction_; }
  // The client area as last painted.
  const QImage& Frame() const { return frame_; }
  // How often the radargram itself was painted; lines drawn over it alone do not count.
  int RadargramPaints() const { return radargramPaints_; }
  // Carries out what the interaction asked for after an event.
  void Apply(const ViewResponse& response);

  void Invalidate() override {
    stale_ = true;
    update();
  }
  void UpdateNow() override {
    stale_ = true;
    repaint();
  }
  void ApplyScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) override;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void OnBarAction(QScrollBar* bar, int action);
  void ShowMenu(const PopupMenu& menu, const QPoint& at);
  void ShowScrollPosition();

  CTarvixDoc& doc_;
  CTarvixView view_;
  ProfileViewInteraction interaction_;
  QScrollBar* horizontal_;
  QScrollBar* vertical_;
  // The view's paint, kept so that the interaction's lines are drawn over it without painting it again.
  QImage radargram_;
  bool stale_ = true;
  int radargramPaints_ = 0;
  QImage frame_;
};

}  // namespace tarvix
