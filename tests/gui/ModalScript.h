#pragma once
#include <gtest/gtest.h>

#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>

namespace tarvix::testing {

// Plays the steps, in order, on the modal windows (dialogs, message boxes) as they come up: each
// step gets the next newly shown modal window, from inside its event loop. A script that is not
// finished in time, or a modal window that comes up after the last step, fails the test and is
// rejected, so a test never hangs. One script at a time: scope each to the call it drives.
class ModalScript {
 public:
  using Step = std::function<void(QWidget* modal)>;

  explicit ModalScript(std::deque<Step> steps, int timeoutMs = 10000);
  ModalScript(const ModalScript&) = delete;
  ModalScript& operator=(const ModalScript&) = delete;

  bool Done() const { return steps_.empty(); }

 private:
  void Poll();

  std::deque<Step> steps_;
  QPointer<QWidget> handled_;
  QTimer poll_;
  int remainingPolls_;
};

// The modal window as a `T`; null (and a failed test) when it is something else.
template <typename T>
T* As(QWidget* modal) {
  T* widget = qobject_cast<T*>(modal);
  if (widget == nullptr) {
    ADD_FAILURE() << "the modal window is a " << (modal ? modal->metaObject()->className() : "nothing")
                  << ", not a " << T::staticMetaObject.className();
  }
  return widget;
}

}  // namespace tarvix::testing
