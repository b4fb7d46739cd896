#include <QApplication>

#include "gui/TarvixProgram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("BHG Tarvix"));
  QApplication::setOrganizationName(QStringLiteral("Brenholt"));
  QApplication::setApplicationVersion(QStringLiteral("1.6.3"));
  tarvix::TarvixProgram program(tarvix::TarvixProgram::ParseArguments(argc, argv));
  return QApplication::exec();
}
