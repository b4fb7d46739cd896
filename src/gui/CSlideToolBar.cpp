#include "gui/CSlideToolBar.h"

#include <QAction>
#include <QIcon>
#include <QSignalBlocker>
#include <QSlider>

#include "app/AppContext.h"
#include "document/Commands.h"
#include "profileview/GainSlider.h"

namespace tarvix {

CSlideToolBar::CSlideToolBar(QWidget* parent, std::function<void(int)> run,
                             std::function<void(int)> gainMoved)
    : QToolBar(parent), run_(std::move(run)) {
  setObjectName(QStringLiteral("slideToolBar"));
  setMovable(true);
  for (int type = 0; type < 7; ++type)
    AddButton(kMarkerTools[type], QStringLiteral(":/icons/marker%1.svg").arg(type), QString());
  addSeparator();
  AddButton(command::kToggleFilters, QStringLiteral(":/icons/filters.svg"), QStringLiteral("Filters on/off"));
  AddButton(kHyperbolaTool, QStringLiteral(":/icons/hyperbola.svg"), QStringLiteral("Insert hyperbola"));
  addSeparator();
  // The slider sits inside a fixed-width place, 2 pixels in from its edges.
  auto* place = new QWidget(this);
  place->setFixedSize(kSliderWidth, 28);
  slider_ = new QSlider(Qt::Horizontal, place);
  slider_->setObjectName(QStringLiteral("gainSlider"));
  slider_->setGeometry(place->rect().adjusted(2, 2, -2, -2));
  slider_->setRange(GainSlider::kMin, GainSlider::kMax);
  slider_->setTickPosition(QSlider::TicksBelow);
  slider_->setTickInterval(GainSlider::kTickFrequency);
  slider_->setPageStep(GainSlider::kPageSize);
  slider_->setValue(GainSlider::Position());
  slider_->setToolTip(QStringLiteral("Contrast"));
  connect(slider_, &QSlider::valueChanged, this,
          [gainMoved = std::move(gainMoved)](int position) { gainMoved(position); });
  addWidget(place);
  RefreshToolTips();
}

QAction* CSlideToolBar::AddButton(int id, const QString& icon, const QString& tip) {
  QAction* action = addAction(QIcon(icon), tip);
  action->setCheckable(true);
  action->setToolTip(tip);
  action->setStatusTip(tip);
  connect(action, &QAction::triggered, this, [this, id] { run_(id); });
  buttons_[id] = action;
  return action;
}

void CSlideToolBar::RefreshToolTips() {
  for (int type = 0; type < 7; ++type) {
    const QString name = QString::fromStdString(App().settings.MarkerTypeName(type));
    QAction* button = buttons_.at(kMarkerTools[type]);
    if (button->toolTip() == name) continue;
    button->setText(name);
    button->setToolTip(name);
    button->setStatusTip(name);
  }
}

void CSlideToolBar::ShowGain(int position) {
  if (slider_->value() == position) return;
  const QSignalBlocker blocker(slider_);
  slider_->setValue(position);
}

}  // namespace tarvix
