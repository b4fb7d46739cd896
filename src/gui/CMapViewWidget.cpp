#include "gui/CMapViewWidget.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>

#include "document/CTarvixDoc.h"
#include "gui/QtCanvas.h"

namespace tarvix {

namespace {

Point ToPoint(const QPoint& p) { return {p.x(), p.y()}; }

MapModifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ShiftModifier), modifiers.testFlag(Qt::ControlModifier)};
}

MapKey KeyOf(const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Escape:
      return MapKey::Escape;
    case Qt::Key_Left:
      return MapKey::Left;
    case Qt::Key_Right:
      return MapKey::Right;
    case Qt::Key_Up:
      return MapKey::Up;
    case Qt::Key_Down:
      return MapKey::Down;
    case Qt::Key_Asterisk:
      return event.modifiers().testFlag(Qt::KeypadModifier) ? MapKey::KeypadMultiply : MapKey::Other;
    case Qt::Key_Slash:
      return event.modifiers().testFlag(Qt::KeypadModifier) ? MapKey::KeypadDivide : MapKey::Other;
    default:
      return MapKey::Other;
  }
}

ScrollCode CodeOf(int action) {
  switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
      return ScrollCode::LineBack;
    case QAbstractSlider::SliderSingleStepAdd:
      return ScrollCode::LineForward;
    case QAbstractSlider::SliderPageStepSub:
      return ScrollCode::PageBack;
    case QAbstractSlider::SliderPageStepAdd:
      return ScrollCode::PageForward;
    case QAbstractSlider::SliderToMinimum:
      return ScrollCode::ToStart;
    case QAbstractSlider::SliderToMaximum:
      return ScrollCode::ToEnd;
    case QAbstractSlider::SliderMove:
      return ScrollCode::ThumbTrack;
    default:
      return ScrollCode::EndScroll;
  }
}

QCursor CursorOf(MapCursor cursor) {
  if (cursor == MapCursor::Arrow) return Qt::ArrowCursor;
  const QString file = cursor == MapCursor::ZoomIn ? QStringLiteral(":/cursors/zoom-in.svg")
                                                   : QStringLiteral(":/cursors/zoom-out.svg");
  return QCursor(QIcon(file).pixmap(32, 32), 16, 16);
}

void AddItems(QMenu& menu, const std::vector<MapMenuItem>& items) {
  for (const auto& item : items) {
    if (item.id == 0 && item.text.empty()) {
      menu.addSeparator();
    } else if (item.id == 0) {
      QMenu* sub = menu.addMenu(QString::fromStdString(item.text));
      sub->setEnabled(item.enabled);
      AddItems(*sub, item.items);
    } else {
      QAction* action = menu.addAction(QString::fromStdString(item.text));
      action->setData(item.id);
      action->setEnabled(item.enabled);
    }
  }
}

void Place(QScrollBar& bar, const Rect& rect, const MapScrollBar& state) {
  const QSignalBlocker blocker(&bar);
  bar.setGeometry(rect.left, rect.top, rect.Width(), rect.Height());
  // The thumb's start reaches max − page + 1, as on a window scroll bar.
  bar.setRange(state.min, std::max(state.min, state.max - std::max(state.page - 1, 0)));
  bar.setPageStep(std::max(state.page, 1));
  bar.setValue(state.position);
  bar.setVisible(state.Needed());
}

}  // namespace

CMapViewWidget::CMapViewWidget(CTarvixDoc& document, MarkerListModel& markerList, QWidget* parent)
    : QWidget(parent),
      doc_(document),
      view_(document, markerList),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  setFocusPolicy(Qt::StrongFocus);
  setMinimumSize(160, 120);
  for (QScrollBar* bar : {horizontal_, vertical_})
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { OnBarAction(bar, action); });
  view_.SetWindow(this);
  doc_.AttachView(view_);
}

CMapViewWidget::~CMapViewWidget() {
  doc_.DetachView(view_);
  view_.SetWindow(nullptr);
}

void CMapViewWidget::Apply(const MapResponse& response) {
  if (response.scrollBars) ApplyScrollBars();
  if (response.cursor) setCursor(CursorOf(*response.cursor));
  if (response.zoomBoxText && zoomBox_) zoomBox_(QString::fromStdString(*response.zoomBoxText));
  if (response.repaint) repaint();
  if (response.contextMenu) {
    QMenu menu(this);
    AddItems(menu, response.contextMenu->items);
    const QPoint at(response.contextMenu->at.x, response.contextMenu->at.y);
    // The choice as triggered, however the menu was closed.
    const QAction* chosen = nullptr;
    connect(&menu, &QMenu::triggered, this, [&chosen](QAction* action) { chosen = action; });
    menu.exec(mapToGlobal(at));
    if (chosen) Apply(view_.OnContextMenuCommand(chosen->data().toInt()));
  }
}

void CMapViewWidget::ApplyScrollBars() {
  const auto& bars = view_.ScrollBars();
  Place(*horizontal_, bars.horizontalRect, bars.horizontal);
  Place(*vertical_, bars.verticalRect, bars.vertical);
}

void CMapViewWidget::OnBarAction(QScrollBar* bar, int action) {
  const int thumb = bar->sliderPosition();
  bar->setSliderPosition(bar->value());
  Apply(bar == horizontal_ ? view_.OnHScroll(CodeOf(action), thumb) : view_.OnVScroll(CodeOf(action), thumb));
  ApplyScrollBars();
}

void CMapViewWidget::paintEvent(QPaintEvent*) {
  if (frame_.size() != size()) frame_ = QImage(size(), QImage::Format_RGB32);
  {
    QtCanvas canvas(frame_);
    view_.OnDraw(canvas);
    view_.DrawToolTip(canvas);
  }
  QPainter(this).drawImage(0, 0, frame_);
}

void CMapViewWidget::resizeEvent(QResizeEvent*) {
  Apply(view_.OnSize(width(), height()));
  ApplyScrollBars();
}

void CMapViewWidget::mousePressEvent(QMouseEvent* event) {
  const Point at = ToPoint(event->position().toPoint());
  if (event->button() == Qt::LeftButton) Apply(view_.OnLButtonDown(at, ModifiersOf(event->modifiers())));
  if (event->button() == Qt::RightButton) Apply(view_.OnRButtonDown(at, ModifiersOf(event->modifiers())));
}

void CMapViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Apply(view_.OnLButtonUp(ToPoint(event->position().toPoint())));
}

void CMapViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Apply(view_.OnLButtonDblClk(ToPoint(event->position().toPoint())));
}

void CMapViewWidget::mouseMoveEvent(QMouseEvent* event) {
  Apply(view_.OnMouseMove(ToPoint(event->position().toPoint())));
}

void CMapViewWidget::wheelEvent(QWheelEvent* event) {
  Apply(view_.OnMouseWheel(event->angleDelta().y(), ModifiersOf(event->modifiers())));
  ApplyScrollBars();
  event->accept();
}

void CMapViewWidget::keyPressEvent(QKeyEvent* event) {
  const MapKey key = KeyOf(*event);
  if (key == MapKey::Other) {
    QWidget::keyPressEvent(event);
    return;
  }
  Apply(view_.OnKeyDown(key, ModifiersOf(event->modifiers())));
  ApplyScrollBars();
}

}  // namespace tarvix
