#include <QApplication>
#include <QThread>
#include <cstring>

#include "editor/PaletteEditorDialog.h"
#include "huelisk.h"

using tarvix::huelisk::CPalette;
using tarvix::huelisk::PaletteEditorDialog;

extern "C" HUELISK_API int PalEdit(unsigned char* paletteRecord, const char* startupDirectory) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  // Widgets live only with a QApplication and only on its thread.
  if (paletteRecord == nullptr || app == nullptr || QThread::currentThread() != app->thread()) {
    return 0;
  }
  try {
    const QString folder = startupDirectory != nullptr ? QString::fromUtf8(startupDirectory) : QString();
    PaletteEditorDialog dialog(CPalette::Unpack(paletteRecord), folder, QApplication::activeWindow());
    if (dialog.exec() != QDialog::Accepted) {
      return 0;
    }
    unsigned char edited[CPalette::kRecordBytes];
    dialog.Result().Pack(edited);
    if (std::memcmp(edited, paletteRecord, sizeof edited) == 0) {
      return 0;
    }
    std::memcpy(paletteRecord, edited, sizeof edited);
    return 1;
  } catch (...) {
    // Nothing may unwind into the caller, which need not be C++.
    return 0;
  }
}
