#include <QApplication>

#include <clocale>

#include "gui/TarvixProgram.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  // Qt takes the user's locale for the C library too; our files are written and read with C
  // number formats, which a decimal comma would corrupt.
  std::setlocale(LC_NUMERIC, "C");
  QApplication::setApplicationName(QStringLiteral("BHG Tarvix"));
  QApplication::setOrganizationName(QStringLiteral("Brenholt"));
  QApplication::setApplicationVersion(QStringLiteral("1.6.3"));
  tarvix::TarvixProgram program(tarvix::TarvixProgram::ParseArguments(argc, argv));
  return QApplication::exec();
}
