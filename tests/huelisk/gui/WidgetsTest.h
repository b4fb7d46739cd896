#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

namespace tarvix::huelisk {

// A QApplication on the offscreen platform for the tests of one suite, gone afterwards, so a
// suite without it can check what happens when there is none.
class WidgetsTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    app_ = new QApplication(argc_, argv_);
  }
  static void TearDownTestSuite() {
    delete app_;
    app_ = nullptr;
  }

 private:
  static inline int argc_ = 1;
  static inline char name_[] = "huelisk_gui_tests";
  static inline char* argv_[] = {name_, nullptr};
  static inline QApplication* app_ = nullptr;
};

// Runs `action` on the modal window once one is up (a dialog's exec() or a message box),
// from inside its event loop. Destroying the object stops the watch.
class WhenModal {
 public:
  explicit WhenModal(std::function<void(QWidget*)> action) : timer_(std::make_unique<QTimer>()) {
    QObject::connect(timer_.get(), &QTimer::timeout, [this, action] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        timer_->stop();
        action(modal);
      }
    });
    timer_->start(10);
  }

 private:
  std::unique_ptr<QTimer> timer_;
};

}  // namespace tarvix::huelisk
