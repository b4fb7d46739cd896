#include "gui/CChildFrame.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>

#include "app/AppContext.h"
#include "document/CTarvixDoc.h"
#include "document/WindowPlacement.h"
#include "gui/CMainFrame.h"
#include "gui/CSlideToolBar.h"
#include "gui/CTarvixViewWidget.h"
#include "platform/SettingsStore.h"
#include "profileview/GainSlider.h"
#include "profileview/ProfileFrameTitle.h"

namespace tarvix {

namespace {
constexpr const char* kPlacementValue = "DataView";

QRect ToQRect(const Rect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }
}  // namespace

CChildFrame::CChildFrame(CTarvixDoc& document, CMainFrame& mainFrame)
    : QMdiSubWindow(nullptr), doc_(document), main_(mainFrame) {
  setAttribute(Qt::WA_DeleteOnClose);
  setObjectName(QStringLiteral("profileFrame"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/tarvix.svg")));
  // A main window inside the frame carries the frame's own tool bar above the view.
  auto* inner = new QMainWindow;
  inner->setWindowFlags(Qt::Widget);
  toolBar_ = new CSlideToolBar(
      inner, [this](int id) { main_.RunCommand(id); },
      [this](int position) { GainSlider::Moved(position, doc_); });
  inner->addToolBar(Qt::TopToolBarArea, toolBar_);
  view_ = new CTarvixViewWidget(document, mainFrame.MarkerList(), &mainFrame);
  inner->setCentralWidget(view_);
  setWidget(inner);
  RefreshTitle();
}

CChildFrame::~CChildFrame() = default;

void CChildFrame::RestorePlacement() {
  const auto placement = WindowPlacement::Read(App().store, kPlacementValue);
  if (!placement) return;
  setGeometry(ToQRect(placement->normalPosition));
  if (placement->showCmd == WindowPlacement::kShowMaximized) showMaximized();
}

void CChildFrame::SavePlacement() const {
  if (doc_.GetPathName().empty()) return;
  WindowPlacement placement;
  placement.showCmd = isMaximized()   ? WindowPlacement::kShowMaximized
                      : isMinimized() ? WindowPlacement::kShowMinimized
                                      : WindowPlacement::kShowNormal;
  const QRect normal = geometry();
  placement.normalPosition = {normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1};
  placement.Write(App().store, kPlacementValue);
  App().store.WriteInt("MapVisible", doc_.mapVisibleAtOpen);
}

void CChildFrame::InitialUpdate() {
  // The view lays itself out for the size its window has now, so the layout goes first.
  widget()->layout()->activate();
  view_->View().OnInitialUpdate();
  ready_ = true;
  if (mdiArea() && mdiArea()->activeSubWindow() == this) OnActivated();
}

void CChildFrame::OnActivated() {
  if (!ready_ || !firstActivation_) return;
  firstActivation_ = false;
  doc_.ShowMapAtOpen();
  if (doc_.mapFrame && mdiArea()) mdiArea()->setActiveSubWindow(this);
  main_.RefreshTitle();
}

void CChildFrame::RefreshTitle() {
  const QString title = QString::fromStdString(ProfileFrameTitle(view_->View().DisplayedCount()));
  if (windowTitle() != title) setWindowTitle(title);
}

void CChildFrame::CloseByProgram() {
  if (closing_) return;
  closing_ = true;
  SavePlacement();
  // The view leaves the document now; the frame itself may be inside its own close.
  delete widget();
  hide();
  if (mdiArea()) mdiArea()->removeSubWindow(this);
  deleteLater();
}

void CChildFrame::closeEvent(QCloseEvent* event) {
  event->ignore();
  if (closing_) return;
  // Closing the profile window closes the project, after one chance to save it.
  doc_.SaveModified();
  doc_.SetModifiedFlag(false);
  doc_.mapVisibleAtOpen = doc_.mapFrame ? 1 : 0;
  main_.CloseProject();
}

}  // namespace tarvix
