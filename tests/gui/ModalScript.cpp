#include "ModalScript.h"

#include <QApplication>
#include <QDialog>

namespace tarvix::testing {

namespace {

constexpr int kPollMs = 10;

void Close(QWidget* modal) {
  if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
}

}  // namespace

ModalScript::ModalScript(std::deque<Step> steps, int timeoutMs)
    : steps_(std::move(steps)), remainingPolls_(timeoutMs / kPollMs) {
  QObject::connect(&poll_, &QTimer::timeout, [this] { Poll(); });
  poll_.start(kPollMs);
}

void ModalScript::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  // A window shown again after closing counts as new, and so does one at a freed window's address.
  if (handled_ && !handled_->isVisible()) handled_ = nullptr;
  if (!steps_.empty() && --remainingPolls_ < 0) {
    ADD_FAILURE() << steps_.size() << " step(s) of the modal script did not run in time";
    steps_.clear();
    Close(modal);
    return;
  }
  if (modal == nullptr || !modal->isVisible() || modal == handled_) return;
  handled_ = modal;
  if (steps_.empty()) {
    ADD_FAILURE() << "an unexpected " << modal->metaObject()->className()
                  << " came up: " << modal->windowTitle().toStdString();
    Close(modal);
    return;
  }
  Step step = std::move(steps_.front());
  steps_.pop_front();
  step(modal);
}

}  // namespace tarvix::testing
