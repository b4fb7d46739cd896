#include "gui/CRemoteControl.h"

#include <QSignalBlocker>
#include <QSlider>

namespace tarvix {

CRemoteControl::CRemoteControl(QWidget* parent) : QDockWidget(parent) {
  setObjectName(QStringLiteral("remoteControl"));
  setAllowedAreas(Qt::NoDockWidgetArea);
  setFeatures(QDockWidget::DockWidgetFloatable | QDockWidget::DockWidgetMovable);
  auto* body = new QWidget;
  body->setFixedSize(290, 50);
  slider_ = new QSlider(Qt::Horizontal, body);
  slider_->setGeometry(90, 5, 190, 40);
  slider_->setTickPosition(QSlider::TicksBothSides);
  slider_->setTickInterval(RemoteControlModel::kTickFrequency);
  setWidget(body);
  setFloating(true);
  hide();
  connect(slider_, &QSlider::valueChanged, this, [this](int position) {
    if (handler_) handler_(model_, position);
  });
}

void CRemoteControl::SetRemoteMode(int value, int mode) {
  model_.SetRemoteMode(value, mode);
  setWindowTitle(QString::fromStdString(model_.Caption()));
  if (model_.Visible()) {
    const QSignalBlocker blocker(slider_);
    slider_->setRange(model_.Minimum(), model_.Maximum());
    slider_->setValue(model_.Position());
  }
  setVisible(model_.Visible());
  if (model_.Visible()) slider_->setFocus();
}

}  // namespace tarvix
