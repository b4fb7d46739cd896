#include <gtest/gtest.h>

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include "platform/Colour.h"

namespace tarvix {
namespace {

QImage Render(const QString& path, QSize size) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QSvgRenderer renderer(path);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

TEST(ResourcesTest, EveryImageIsValidAtItsDesignSize) {
  struct Folder {
    const char* path;
    QSize size;
  };
  const Folder folders[] = {{":/icons", {24, 24}}, {":/cursors", {32, 32}}};
  int seen = 0;
  for (const Folder& folder : folders) {
    for (QDirIterator it(QString::fromLatin1(folder.path)); it.hasNext();) {
      const QString path = it.next();
      ++seen;
      const QSvgRenderer renderer(path);
      ASSERT_TRUE(renderer.isValid()) << path.toStdString();
      const QSize expected = path.endsWith(QStringLiteral("/tarvix.svg")) ? QSize(256, 256) : folder.size;
      EXPECT_EQ(renderer.defaultSize(), expected) << path.toStdString();
      EXPECT_FALSE(QIcon(path).pixmap(24, 24).isNull()) << path.toStdString();
    }
  }
  EXPECT_GT(seen, 0) << "the resources are not linked in";
}

TEST(ResourcesTest, SplashAndBackgroundHaveTheirWindowSizes) {
  EXPECT_EQ(QSvgRenderer(QStringLiteral(":/images/splash.svg")).defaultSize(), QSize(520, 317));
  EXPECT_EQ(QSvgRenderer(QStringLiteral(":/images/background.svg")).defaultSize(), QSize(1004, 354));
  // The background sits centred on RGB(134, 134, 134): its edges must be that grey to blend in.
  const QImage background = Render(QStringLiteral(":/images/background.svg"), {1004, 354});
  for (const QPoint corner :
       {QPoint(0, 0), QPoint(1003, 0), QPoint(0, 353), QPoint(1003, 353), QPoint(502, 353)}) {
    EXPECT_EQ(background.pixel(corner), qRgb(134, 134, 134)) << corner.x() << "," << corner.y();
  }
}

TEST(ResourcesTest, MarkerToolsShowTheirTypeColours) {
  const Colour colours[] = {Rgb(0, 0, 0),     Rgb(255, 0, 0),   Rgb(0, 255, 0),  Rgb(0, 0, 255),
                            Rgb(255, 255, 0), Rgb(0, 255, 255), Rgb(255, 0, 255)};
  for (int type = 0; type < 7; ++type) {
    const QImage icon = Render(QStringLiteral(":/icons/marker%1.svg").arg(type), {48, 48});
    EXPECT_EQ(icon.pixel(24, 24) & 0xFFFFFFu, colours[type]) << "marker type " << type;
  }
}

}  // namespace
}  // namespace tarvix
