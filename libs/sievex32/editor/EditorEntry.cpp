#include "EditorEntry.h"

#include <QApplication>

#include "ChainEditorDialog.h"

namespace tarvix::sievex {

bool RunChainEditor(FilterChain& chain, EditorPreview preview, void* parentWindow) {
  // Widgets need the host's QApplication; a console host or a bare QCoreApplication gets no editor.
  if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return false;
  ChainEditor editor(chain, std::move(preview));
  ChainEditorDialog dialog(editor, static_cast<QWidget*>(parentWindow));
  if (dialog.exec() != QDialog::Accepted || !editor.Changed()) return false;
  chain = editor.Chain();
  return true;
}

}  // namespace tarvix::sievex
