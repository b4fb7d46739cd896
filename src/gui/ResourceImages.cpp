#include "gui/ResourceImages.h"

#include <QPainter>
#include <QSvgRenderer>

namespace tarvix {

QImage RenderResourceImage(const QString& path) {
  QSvgRenderer renderer(path);
  if (!renderer.isValid()) return {};
  QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

}  // namespace tarvix
