#include "gui/CSplashWnd.h"

#include <QApplication>
#include <QEvent>
#include <QPainter>
#include <QScreen>

#include "gui/ResourceImages.h"

namespace tarvix {

bool CSplashWnd::enabled_ = true;
CSplashWnd* CSplashWnd::current_ = nullptr;

CSplashWnd::CSplashWnd(QWidget* owner, QImage image)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      image_(std::move(image)),
      owner_(owner) {
  setAttribute(Qt::WA_DeleteOnClose);
  setFixedSize(image_.size());
  const QScreen* screen = owner ? owner->screen() : QGuiApplication::primaryScreen();
  if (screen) move(screen->geometry().center() - rect().center());
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, &CSplashWnd::HideSplashScreen);
  timer_.start(kShowMilliseconds);
  qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd() {
  if (current_ == this) current_ = nullptr;
}

void CSplashWnd::ShowSplashScreen(QWidget* owner) {
  if (!enabled_ || current_) return;
  QImage image = RenderResourceImage(QStringLiteral(":/images/splash.svg"));
  if (image.isNull()) return;
  current_ = new CSplashWnd(owner, std::move(image));
  current_->show();
}

void CSplashWnd::HideSplashScreen() {
  CSplashWnd* splash = current_;
  if (!splash) return;
  current_ = nullptr;
  qApp->removeEventFilter(splash);
  QWidget* owner = splash->owner_;
  splash->close();
  if (owner) owner->update();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, image_);
}

bool CSplashWnd::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
      // The press only takes the splash away.
      HideSplashScreen();
      return true;
    default:
      return false;
  }
}

}  // namespace tarvix
