#include "gui/CTarvixViewWidget.h"

#include <QIcon>
#include <QKeyEvent>
#include <QMenu>
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
Point ToPoint(const QPointF& p) { return {static_cast<int>(p.x()), static_cast<int>(p.y())}; }

KeyModifiers ModifiersOf(Qt::KeyboardModifiers modifiers) {
  return {modifiers.testFlag(Qt::ControlModifier), modifiers.testFlag(Qt::ShiftModifier)};
}

ViewKey KeyOf(int key) {
  switch (key) {
    case Qt::Key_Left:
      return ViewKey::Left;
    case Qt::Key_Right:
      return ViewKey::Right;
    case Qt::Key_Up:
      return ViewKey::Up;
    case Qt::Key_Down:
      return ViewKey::Down;
    case Qt::Key_Delete:
      return ViewKey::Delete;
    default:
      return ViewKey::Other;
  }
}

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

QCursor CursorOf(ViewCursor cursor) {
  switch (cursor) {
    case ViewCursor::Move:
      return Qt::SizeAllCursor;
    case ViewCursor::SizeNorthSouth:
      return Qt::SizeVerCursor;
    case ViewCursor::Insert:
      return QCursor(QIcon(QStringLiteral(":/cursors/insert.svg")).pixmap(32, 32), 16, 16);
    case ViewCursor::Arrow:
      break;
  }
  return Qt::ArrowCursor;
}

void AddItems(QMenu& menu, const PopupMenu& items) {
  for (const auto& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
    } else if (!item.submenu.empty()) {
      QMenu* sub = menu.addMenu(QString::fromStdString(item.text));
      sub->setEnabled(item.enabled);
      AddItems(*sub, item.submenu);
    } else {
      QAction* action = menu.addAction(QString::fromStdString(item.text));
      action->setData(item.id);
      action->setEnabled(item.enabled);
      action->setCheckable(item.checked);
      action->setChecked(item.checked);
    }
  }
}

}  // namespace

CTarvixViewWidget::CTarvixViewWidget(CTarvixDoc& document, MarkerListModel& markerList,
                                     RemoteControlTarget* remote, QWidget* parent)
    : QWidget(parent),
      doc_(document),
      view_(document, markerList),
      interaction_(document, view_, markerList),
      horizontal_(new QScrollBar(Qt::Horizontal, this)),
      vertical_(new QScrollBar(Qt::Vertical, this)) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);
  setMinimumSize(200, 150);
  for (QScrollBar* bar : {horizontal_, vertical_}) {
    bar->setTracking(true);
    connect(bar, &QAbstractSlider::actionTriggered, this,
            [this, bar](int action) { OnBarAction(bar, action); });
  }
  interaction_.SetRemoteControl(remote);
  view_.SetWindow(this);
  doc_.AttachView(view_);
}

CTarvixViewWidget::~CTarvixViewWidget() {
  doc_.DetachView(view_);
  view_.SetWindow(nullptr);
}

void CTarvixViewWidget::ApplyScrollBars(const ScrollBarState& horizontal, const ScrollBarState& vertical) {
  // New bars follow a new layout or position: the radargram is painted again.
  stale_ = true;
  const std::pair<QScrollBar*, const ScrollBarState*> bars[] = {{horizontal_, &horizontal},
                                                                {vertical_, &vertical}};
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

void CTarvixViewWidget::ShowScrollPosition() {
  const QSignalBlocker blockHorizontal(horizontal_);
  const QSignalBlocker blockVertical(vertical_);
  horizontal_->setValue(doc_.state.firstColumn);
  vertical_->setValue(doc_.state.firstSample);
}

void CTarvixViewWidget::Apply(const ViewResponse& response) {
  if (response.scrolled) ShowScrollPosition();
  if (response.capture) {
    if (*response.capture)
      grabMouse();
    else
      releaseMouse();
  }
  setCursor(CursorOf(response.cursor));
  if (response.overlay) update();
}

void CTarvixViewWidget::OnBarAction(QScrollBar* bar, int action) {
  const ScrollAction scroll = ToScrollAction(action);
  const int track = bar->sliderPosition();
  // The bar shows the position the view takes, not its own step.
  bar->setSliderPosition(bar->value());
  Apply(bar == horizontal_ ? interaction_.OnHScroll(scroll, track) : interaction_.OnVScroll(scroll, track));
  ShowScrollPosition();
}

void CTarvixViewWidget::ShowMenu(const PopupMenu& items, const QPoint& at) {
  if (items.empty()) return;
  QMenu menu(this);
  AddItems(menu, items);
  // The choice as triggered, however the menu was closed.
  const QAction* chosen = nullptr;
  connect(&menu, &QMenu::triggered, this, [&chosen](QAction* action) { chosen = action; });
  menu.exec(mapToGlobal(at));
  if (chosen) Apply(interaction_.OnMenuCommand(chosen->data().toInt()));
}

void CTarvixViewWidget::paintEvent(QPaintEvent*) {
  const QSize client = size();
  if (stale_ || radargram_.size() != client) {
    if (radargram_.size() != client) radargram_ = QImage(client, QImage::Format_RGB32);
    QtCanvas canvas(radargram_);
    view_.OnDraw(canvas);
    stale_ = false;
    ++radargramPaints_;
  }
  frame_ = radargram_.copy();
  {
    QtCanvas canvas(frame_);
    interaction_.DrawOverlay(canvas);
  }
  QPainter painter(this);
  const int t = kScrollBarThickness;
  painter.drawImage(QPoint(0, 0), frame_, QRect(0, 0, client.width() - t, client.height() - t));
  painter.fillRect(QRect(client.width() - t, client.height() - t, t, t),
                   palette().color(QPalette::Inactive, QPalette::Window));
}

void CTarvixViewWidget::resizeEvent(QResizeEvent*) { view_.OnSize(width(), height()); }

void CTarvixViewWidget::mousePressEvent(QMouseEvent* event) {
  const Point at = ToPoint(event->position());
  const KeyModifiers modifiers = ModifiersOf(event->modifiers());
  if (event->button() == Qt::LeftButton) Apply(interaction_.OnLButtonDown(at, modifiers));
  if (event->button() == Qt::RightButton)
    ShowMenu(interaction_.OnContextMenu(at, modifiers), event->position().toPoint());
}

void CTarvixViewWidget::mouseMoveEvent(QMouseEvent* event) {
  Apply(interaction_.OnMouseMove(ToPoint(event->position())));
}

void CTarvixViewWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Apply(interaction_.OnLButtonUp(ToPoint(event->position())));
}

void CTarvixViewWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) interaction_.OnLButtonDblClk();
}

void CTarvixViewWidget::wheelEvent(QWheelEvent* event) {
  Apply(interaction_.OnMouseWheel(event->angleDelta().y()));
  event->accept();
}

void CTarvixViewWidget::keyPressEvent(QKeyEvent* event) {
  const ViewKey key = KeyOf(event->key());
  if (key == ViewKey::Other) {
    QWidget::keyPressEvent(event);
    return;
  }
  Apply(interaction_.OnKeyDown(key, ModifiersOf(event->modifiers())));
}

}  // namespace tarvix
