#pragma once
#include <QImage>
#include <QMdiArea>

namespace tarvix {

// The main window's client area for the child frames, painted grey with the program's picture
// centred in it.
class CWallFrame : public QMdiArea {
  Q_OBJECT
 public:
  static constexpr QRgb kBackground = qRgb(134, 134, 134);

  explicit CWallFrame(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace tarvix
