#include "gui/CTarvixViewWidget.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QWheelEvent>

#include "document/CTarvixDoc.h"
#include "document/ProfileScrolling.h"
#include "gui/QtCanvas.h"

namespace tarvix {

namespace {

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

ScrollAction ToScrollAction(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollAction::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollAction::LineForward;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollAction::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollAction::PageForward;
    case QAbstractSlider::SliderToMinimum:
      return ScrollAction::ToStart;
    case QAbstractSlider::SliderToMaximum:
      return ScrollAction::ToEnd;
    case QAbstractSlider::SliderMove:
      return ScrollAction::Track;
    default:
      return ScrollAction::EndScroll;
  }
}

ScrollRange RangeOf(const ScrollBarState& bar) { return {bar.min, bar.max, bar.position}; }

}  // namespace

CTarvixViewWidget::CTarvixViewWidget(CTarvixDoc& document, const MarkerListModel& markerList, QWidget* parent)
    : QWidget(parent),
      doc_(document),
      view_(document, markerList),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(200, 150);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setTracking(true);
    connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar](int action) { OnBarAction(bar, action); });
  }
  view_.SetWindow(this);
  doc_.AttachView(view_);
}

CTarvixViewWidget::~CTarvixViewWidget() {
  doc_.DetachView(view_);
  view_.SetWindow(nullptr);
}

void CTarvixViewWidget::ApplyScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) {
  horizontalState_ = horizontal;
  verticalState_ = vertical;
  const std::pair<QScrollBar*, const ScrollBarState*> bars[] = {{horizontal_, &horizontal}, {vertical_, &vertical}};
  for (const auto& [bar, state] : bars) {
    const QSignalBlocker blocker(bar);
    bar->setGeometry(ToQRect(state->place));
    // A window bar reaches max − page + 1 with its thumb's start; Qt's maximum is that position.
    bar->setRange(state->min, std::max(state->min, state->max - std::max(state->page - 1, 0)));
    bar->setPageStep(std::max(state->page, 1));
    bar->setSingleStep(10);
    bar->setValue(state->position);
    bar->setEnabled(state->enabled);
  }
}

void CTarvixViewWidget::OnBarAction(QScrollBar* bar, int action) {
  const ScrollAction scroll = ToScrollAction(action);
  const int track = bar->sliderPosition();
  // The bar keeps the position the view gives it, not its own step.
  bar->setSliderPosition(bar->value());
  if (bar == horizontal_)
    ScrollHorizontally(HorizontalScrollTarget(RangeOf(horizontalState_), horizontalState_.page, scroll, track));
  else
    ScrollVertically(VerticalScrollTarget(RangeOf(verticalState_), verticalState_.page * view_.DisplayedCount(),
                                          verticalState_.page, scroll, track));
}

void CTarvixViewWidget::ScrollHorizontally(int firstColumn) {
  if (firstColumn == doc_.state.firstColumn) return;
  doc_.state.firstColumn = firstColumn;
  horizontalState_.position = firstColumn;
  {
    const QSignalBlocker blocker(horizontal_);
    horizontal_->setValue(firstColumn);
  }
  doc_.UpdateAllViews(0);
}

void CTarvixViewWidget::ScrollVertically(int firstSample) {
  if (firstSample == doc_.state.firstSample) return;
  doc_.state.firstSample = firstSample;
  verticalState_.position = firstSample;
  {
    const QSignalBlocker blocker(vertical_);
    vertical_->setValue(firstSample);
  }
  update();
}

void CTarvixViewWidget::paintEvent(QPaintEvent*) {
  const QSize client = size();
  if (frame_.size() != client) frame_ = QImage(client, QImage::Format_RGB32);
  {
    QtCanvas canvas(frame_);
    view_.OnDraw(canvas);
  }
  QPainter painter(this);
  const int t = kScrollBarThickness;
  painter.drawImage(QPoint(0, 0), frame_, QRect(0, 0, client.width() - t, client.height() - t));
  const QRect corner(client.width() - t, client.height() - t, t, t);
  const QColor border = palette().color(QPalette::Inactive, QPalette::Window);
  painter.fillRect(corner, border);
}

void CTarvixViewWidget::resizeEvent(QResizeEvent*) { view_.OnSize(width(), height()); }

void CTarvixViewWidget::wheelEvent(QWheelEvent* event) {
  ScrollHorizontally(HorizontalMoveTarget(RangeOf(horizontalState_), horizontalState_.page, event->angleDelta().y()));
  event->accept();
}

void CTarvixViewWidget::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
      ScrollHorizontally(HorizontalMoveTarget(RangeOf(horizontalState_), horizontalState_.page,
                                              event->key() == Qt::Key_Left ? -10 : 10));
      break;
    case Qt::Key_Up:
    case Qt::Key_Down:
      ScrollVertically(VerticalMoveTarget(RangeOf(verticalState_), verticalState_.page,
                                          event->key() == Qt::Key_Up ? -10 : 10));
      break;
    case Qt::Key_Delete:
      if (doc_.state.selectedMarker != -1) doc_.DeleteSelectedMarkers();
      break;
    default:
      QWidget::keyPressEvent(event);
  }
}

}  // namespace tarvix
