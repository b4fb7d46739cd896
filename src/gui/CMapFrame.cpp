#include "gui/CMapFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include "document/CTarvixDoc.h"

namespace tarvix {

CMapFrame::CMapFrame(CTarvixDoc& document, QWidget* parent) : QMdiSubWindow(parent), doc_(&document) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Site Map"));
  setObjectName(QStringLiteral("siteMapFrame"));
  auto* plan = new QWidget;
  plan->setAutoFillBackground(true);
  QPalette white = plan->palette();
  white.setColor(QPalette::Window, Qt::white);
  plan->setPalette(white);
  setWidget(plan);
  resize(480, 360);
}

CMapFrame::~CMapFrame() { Forget(); }

void CMapFrame::Forget() {
  if (doc_) doc_->MapFrameDestroyed();
  doc_ = nullptr;
}

void CMapFrame::Show(bool shown) {
  setVisible(shown);
  if (shown && mdiArea()) mdiArea()->setActiveSubWindow(this);
}

void CMapFrame::CloseByProgram() {
  doc_ = nullptr;
  hide();
  if (mdiArea()) mdiArea()->removeSubWindow(this);
  deleteLater();
}

void CMapFrame::closeEvent(QCloseEvent* event) {
  Forget();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace tarvix
