#include "editor/ColourBarWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace tarvix::huelisk {

namespace {

constexpr int kMargin = 8;
constexpr int kHandleHeight = 14;
constexpr int kHandleHalfWidth = 6;
constexpr int kGrabDistance = 8;

QColor ColourOf(std::uint32_t rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

}  // namespace

ColourBarWidget::ColourBarWidget(QWidget* parent) : QWidget(parent) {
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  setFocusPolicy(Qt::ClickFocus);
}

void ColourBarWidget::SetContent(const CColourRamp::Entries& entries, const std::vector<CColourStop>& stops,
                                 std::size_t selected) {
  entries_ = entries;
  stops_ = stops;
  selected_ = selected;
  update();
}

QRect ColourBarWidget::BarRect() const {
  return rect().adjusted(kMargin, kMargin, -kMargin, -(kMargin + kHandleHeight));
}

QRect ColourBarWidget::CellRect(int entry) const {
  const QRect bar = BarRect();
  const int left = bar.left() + entry * bar.width() / CPalette::kEntries;
  const int right = bar.left() + (entry + 1) * bar.width() / CPalette::kEntries;
  return QRect(left, bar.top(), right - left, bar.height());
}

int ColourBarWidget::XOfPosition(double position) const {
  const QRect bar = BarRect();
  const double cell = bar.width() / static_cast<double>(CPalette::kEntries);
  return bar.left() + static_cast<int>(std::lround(cell * (0.5 + position * (CPalette::kEntries - 1))));
}

double ColourBarWidget::PositionOfX(int x) const {
  const QRect bar = BarRect();
  const double cell = bar.width() / static_cast<double>(CPalette::kEntries);
  const double position = ((x - bar.left()) / cell - 0.5) / (CPalette::kEntries - 1);
  return std::clamp(position, 0.0, 1.0);
}

QSize ColourBarWidget::sizeHint() const { return {8 * CPalette::kEntries + 2 * kMargin, 72}; }

QSize ColourBarWidget::minimumSizeHint() const {
  return {3 * CPalette::kEntries + 2 * kMargin, 2 * kMargin + kHandleHeight + 24};
}

void ColourBarWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  for (int k = 0; k < CPalette::kEntries; ++k) {
    painter.fillRect(CellRect(k), ColourOf(entries_[k]));
  }
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawRect(BarRect().adjusted(0, 0, -1, -1));

  painter.setRenderHint(QPainter::Antialiasing);
  const int top = BarRect().bottom() + 2;
  for (std::size_t i = 0; i < stops_.size(); ++i) {
    const int x = XOfPosition(stops_[i].position);
    QPainterPath handle;
    handle.moveTo(x, top);
    handle.lineTo(x + kHandleHalfWidth, top + kHandleHeight - 2);
    handle.lineTo(x - kHandleHalfWidth, top + kHandleHeight - 2);
    handle.closeSubpath();
    const bool selected = i == selected_;
    painter.setPen(QPen(selected ? palette().color(QPalette::Highlight) : palette().color(QPalette::Text),
                        selected ? 2.5 : 1.0));
    painter.setBrush(ColourOf(stops_[i].rgb));
    painter.drawPath(handle);
  }
}

int ColourBarWidget::StopAt(int x) const {
  int nearest = -1;
  int distance = 0;
  for (std::size_t i = 0; i < stops_.size(); ++i) {
    const int d = std::abs(XOfPosition(stops_[i].position) - x);
    // The selected stop wins a tie, so stops at one position can still be told apart.
    if (d <= kGrabDistance && (nearest < 0 || d < distance || (d == distance && i == selected_))) {
      nearest = static_cast<int>(i);
      distance = d;
    }
  }
  return nearest;
}

void ColourBarWidget::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const int stop = StopAt(event->position().toPoint().x());
  if (stop >= 0) {
    dragging_ = true;
    emit StopPressed(static_cast<std::size_t>(stop));
  }
}

void ColourBarWidget::mouseMoveEvent(QMouseEvent* event) {
  if (dragging_ && (event->buttons() & Qt::LeftButton)) {
    emit StopDragged(PositionOfX(event->position().toPoint().x()));
  }
}

void ColourBarWidget::mouseReleaseEvent(QMouseEvent*) { dragging_ = false; }

void ColourBarWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    return;
  }
  const int x = event->position().toPoint().x();
  if (StopAt(x) >= 0) {
    emit StopDoubleClicked();
  } else {
    emit BarDoubleClicked(PositionOfX(x));
  }
}

}  // namespace tarvix::huelisk
