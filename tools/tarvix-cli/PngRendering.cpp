#include "PngRendering.h"

#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <clocale>
#include <iostream>

#include "CliSession.h"
#include "Commands.h"
#include "gui/QtCanvas.h"

namespace tarvix::cli {

int RenderToPng(int width, int height, const std::function<void(Canvas&)>& draw, const SilentUserInterface& ui,
                const std::string& out) {
  // Text needs a Qt application; the offscreen platform needs no display.
  int argc = 3;
  char program[] = "tarvix-cli";
  char option[] = "-platform";
  char platform[] = "offscreen";
  char* argv[] = {program, option, platform, nullptr};
  QGuiApplication application(argc, argv);
  std::setlocale(LC_NUMERIC, "C");  // Qt takes the user's locale; our labels use C number formats
  QImage image(width, height, QImage::Format_RGB32);
  {
    QtCanvas canvas(image);
    if (!canvas.IsActive()) {
      std::cerr << "tarvix-cli: cannot draw an image of " << width << " x " << height << " pixels\n";
      return kFailed;
    }
    draw(canvas);
  }
  PrintMessagesToStderr(ui);
  if (!image.save(QString::fromStdString(out), "PNG")) {
    std::cerr << "tarvix-cli: cannot write " << out << "\n";
    return kFailed;
  }
  return kOk;
}

}  // namespace tarvix::cli
