#pragma once
#include <QImage>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace tarvix {

// The start-up picture: shown while the main window comes up, gone after 1.5 s or at the first
// key or mouse press, which it swallows.
class CSplashWnd : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMilliseconds = 1500;

  // Set once at start from the command line.
  static void EnableSplashScreen(bool enabled) { enabled_ = enabled; }
  // Shows the splash over `owner` unless it is off or shown already.
  static void ShowSplashScreen(QWidget* owner);
  static CSplashWnd* Current() { return current_; }
  static void HideSplashScreen();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CSplashWnd(QWidget* owner, QImage image);
  ~CSplashWnd() override;

  QImage image_;
  QTimer timer_;
  QPointer<QWidget> owner_;

  static bool enabled_;
  static CSplashWnd* current_;
};

}  // namespace tarvix
