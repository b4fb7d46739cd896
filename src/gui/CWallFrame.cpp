#include "gui/CWallFrame.h"

#include <QPainter>

#include "gui/ResourceImages.h"

namespace tarvix {

CWallFrame::CWallFrame(QWidget* parent)
    : QMdiArea(parent), picture_(RenderResourceImage(QStringLiteral(":/images/background.svg"))) {
  setBackground(QColor(kBackground));
}

void CWallFrame::paintEvent(QPaintEvent*) {
  QPainter painter(viewport());
  const QRect client = viewport()->rect();
  painter.fillRect(client, QColor(kBackground));
  // Integer halves, so the picture is clipped evenly when the client is smaller.
  painter.drawImage((client.width() - picture_.width()) / 2, (client.height() - picture_.height()) / 2,
                    picture_);
}

}  // namespace tarvix
