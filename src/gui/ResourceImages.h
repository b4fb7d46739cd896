#pragma once
#include <QImage>
#include <QString>

namespace tarvix {

// A compiled-in vector image drawn at its own size (the splash, the background).
QImage RenderResourceImage(const QString& path);

}  // namespace tarvix
