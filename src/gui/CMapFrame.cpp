#include "gui/CMapFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QIcon>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QMdiArea>
#include <QToolBar>

#include "app/AppContext.h"
#include "document/CTarvixDoc.h"
#include "document/WindowPlacement.h"
#include "gui/CMapViewWidget.h"
#include "sitemap/MapCommands.h"

namespace tarvix {

namespace {

constexpr const char* kPlacementValue = "MapView";

const char* IconOf(int id) {
  switch (id) {
    case mapcommand::kDefaultView:
      return "zoom-fit";
    case mapcommand::kHorizontalFit:
      return "fit-horizontal";
    case mapcommand::kVerticalFit:
      return "fit-vertical";
    case mapcommand::kZoomIn:
      return "zoom-in";
    case mapcommand::kZoomOut:
      return "zoom-out";
    case mapcommand::kShowScales:
      return "scales";
    case mapcommand::kShowGrid:
      return "grid";
    default:
      return "utm";
  }
}

QString PromptOf(int id, bool toolTip) {
  for (const auto& prompt : kMapCommandPrompts)
    if (prompt.id == id) {
      const QString text = QString::fromLatin1(prompt.prompt);
      return text.section(QLatin1Char('\n'), toolTip ? 1 : 0, toolTip ? 1 : 0);
    }
  return {};
}

}  // namespace

CMapFrame::CMapFrame(CTarvixDoc& document, MarkerListModel& markerList, QWidget* parent)
    : QMdiSubWindow(parent), doc_(&document), view_(new CMapViewWidget(document, markerList)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(QStringLiteral("Site Map"));
  setObjectName(QStringLiteral("siteMapFrame"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/sitemap.svg")));
  auto* inner = new QMainWindow;
  inner->setWindowFlags(Qt::Widget);
  auto* toolBar = new QToolBar(inner);
  toolBar->setObjectName(QStringLiteral("mapToolBar"));
  for (const int id : kMapToolBar) {
    if (id == 0) {
      toolBar->addSeparator();
    } else if (id == mapcommand::kZoomBox) {
      zoomBox_ = new QLabel(QStringLiteral("100%"));
      zoomBox_->setObjectName(QStringLiteral("zoomBox"));
      zoomBox_->setFixedWidth(kZoomBoxWidth);
      zoomBox_->setAlignment(Qt::AlignCenter);
      zoomBox_->setFrameShape(QFrame::StyledPanel);
      toolBar->addWidget(zoomBox_);
    } else {
      QAction* action = toolBar->addAction(
          QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(IconOf(id)))), PromptOf(id, true));
      action->setStatusTip(PromptOf(id, false));
      action->setCheckable(id == mapcommand::kZoomIn || id == mapcommand::kZoomOut ||
                           id == mapcommand::kShowScales || id == mapcommand::kShowGrid ||
                           id == mapcommand::kUtmDisplay);
      connect(action, &QAction::triggered, this, [this, id] {
        view_->Apply(view_->View().OnCommand(id));
        UpdateCommandUI();
      });
      buttons_[id] = action;
    }
  }
  inner->addToolBar(Qt::TopToolBarArea, toolBar);
  inner->setCentralWidget(view_);
  setWidget(inner);
  view_->SetZoomBoxHandler([this](const QString& text) { zoomBox_->setText(text); });
  resize(520, 400);
}

CMapFrame::~CMapFrame() { Forget(); }

void CMapFrame::Forget() {
  if (doc_ && view_) view_->View().OnDestroy();
  doc_ = nullptr;
}

void CMapFrame::InitialUpdate() {
  if (const auto placement = WindowPlacement::Read(App().store, kPlacementValue)) {
    const Rect& r = placement->normalPosition;
    setGeometry(r.left, r.top, r.Width(), r.Height());
  }
  // The map fits itself into the size its window has now, so the layout goes first.
  widget()->layout()->activate();
  view_->View().OnInitialUpdate();
  UpdateCommandUI();
}

void CMapFrame::UpdateCommandUI() {
  if (!view_) return;
  for (const auto& [id, action] : buttons_) {
    const CommandState state = view_->View().StateOf(id);
    action->setEnabled(state.enabled);
    if (action->isCheckable()) action->setChecked(state.checked);
  }
}

void CMapFrame::SavePlacement() const {
  if (!doc_ || !view_ || !view_->View().StoresPlacement()) return;
  WindowPlacement placement;
  const QRect normal = geometry();
  placement.normalPosition = {normal.left(), normal.top(), normal.right() + 1, normal.bottom() + 1};
  placement.Write(App().store, kPlacementValue);
}

void CMapFrame::Show(bool shown) {
  setVisible(shown);
  if (shown && mdiArea()) mdiArea()->setActiveSubWindow(this);
}

void CMapFrame::Release() {
  SavePlacement();
  Forget();
  // The view leaves the document now; the frame goes when the event loop has time.
  delete widget();
  view_ = nullptr;
}

void CMapFrame::CloseByProgram() {
  Release();
  hide();
  if (mdiArea()) mdiArea()->removeSubWindow(this);
  deleteLater();
}

void CMapFrame::closeEvent(QCloseEvent* event) {
  Release();
  QMdiSubWindow::closeEvent(event);
}

}  // namespace tarvix
