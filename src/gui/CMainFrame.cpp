#include "gui/CMainFrame.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

#include "app/AppContext.h"
#include "app/CTarvixApp.h"
#include "document/AcceleratorTable.h"
#include "document/CTarvixDoc.h"
#include "document/MainFrameTexts.h"
#include "document/MarkerBarPlacement.h"
#include "gui/CAboutDlg.h"
#include "gui/CChildFrame.h"
#include "gui/CMapFrame.h"
#include "gui/CMapViewWidget.h"
#include "gui/CMarkerControl.h"
#include "gui/CRemoteControl.h"
#include "gui/CSlideToolBar.h"
#include "gui/CSplashWnd.h"
#include "gui/CTarvixViewWidget.h"
#include "gui/CWallFrame.h"
#include "profileview/GainSlider.h"

namespace tarvix {

namespace {

constexpr int kIdleMilliseconds = 250;
// Commands whose menu items carry a check mark.
constexpr int kCheckedCommands[] = {command::kSiteMap, command::kMigration, command::kMarkerList,
                                    command::kViewToolBar, command::kViewStatusBar};

QString FromUtf8(const std::string& text) { return QString::fromStdString(text); }

bool IsChecked(int id) {
  for (const int checked : kCheckedCommands)
    if (checked == id) return true;
  return false;
}

}  // namespace

CMainFrame::CMainFrame() : wall_(new CWallFrame(this)) {
  setObjectName(QStringLiteral("mainFrame"));
  setWindowIcon(QIcon(QStringLiteral(":/icons/tarvix.svg")));
  setWindowTitle(FromUtf8(MainFrameTitle(nullptr)));
  setCentralWidget(wall_);
  CreateMainToolBar();
  CreateStatusBar();
  CreateBars();
  CreateAccelerators();
  connect(wall_, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);
  connect(&idle_, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
  CSplashWnd::ShowSplashScreen(this);
}

CMainFrame::~CMainFrame() = default;

void CMainFrame::SetApplication(CTarvixApp& app) {
  app_ = &app;
  // The bar comes back where it was once it holds its list.
  markerBar_->SetModel(app.MarkerList());
  const auto placement = MarkerBarPlacement::Load(App().store);
  const QSize size = placement.size ? QSize(placement.size->cx, placement.size->cy) : markerBar_->sizeHint();
  markerBar_->setGeometry(QRect(QPoint(placement.position.x, placement.position.y), size));
  markerBar_->setVisible(placement.visible);
  RebuildMenus();
  UpdateCommandUI();
  idle_.start(kIdleMilliseconds);
}

MarkerListModel& CMainFrame::MarkerList() const { return app_->MarkerList(); }

QAction* CMainFrame::CommandAction(const QString& text, int id, bool checkable) {
  auto* action = new QAction(text, this);
  action->setCheckable(checkable);
  connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
  return action;
}

void CMainFrame::CreateMainToolBar() {
  mainToolBar_ = addToolBar(QStringLiteral("Standard"));
  mainToolBar_->setObjectName(QStringLiteral("mainToolBar"));
  struct Button {
    int id;
    const char* icon;
    const char* tip;
  };
  const Button buttons[] = {{command::kNew, "new", "Create a new project"},
                            {command::kOpen, "open", "Open an existing project"},
                            {command::kSave, "save", "Save the project"},
                            {0, nullptr, nullptr},
                            {command::kPrint, "print", "Print the profiles"},
                            {0, nullptr, nullptr},
                            {command::kAbout, "about", "Program information and version"}};
  for (const auto& button : buttons) {
    if (button.id == 0) {
      mainToolBar_->addSeparator();
      continue;
    }
    QAction* action = CommandAction(QString::fromLatin1(button.tip), button.id, false);
    action->setIcon(QIcon(QStringLiteral(":/icons/%1.svg").arg(QString::fromLatin1(button.icon))));
    action->setStatusTip(QString::fromLatin1(button.tip));
    mainToolBar_->addAction(action);
    fixedActions_.emplace(button.id, action);
  }
}

void CMainFrame::CreateStatusBar() {
  paneProfile_ = new QLabel(QString::fromLatin1(kEmptyPaneText));
  paneProfile_->setMinimumWidth(200);
  panePosition_ = new QLabel(QString::fromLatin1(kEmptyPaneText));
  panePosition_->setMinimumWidth(300);
  statusBar()->addPermanentWidget(paneProfile_);
  statusBar()->addPermanentWidget(panePosition_);
}

void CMainFrame::CreateBars() {
  remoteBar_ = new CRemoteControl(this);
  remoteBar_->SetPositionHandler([this](const RemoteControlModel& remote, int position) {
    if (CChildFrame* frame = ProfileFrame())
      frame->ViewWidget().Apply(frame->ViewWidget().Interaction().OnRemotePosition(remote, position));
  });
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    remoteBar_->move(screen->geometry().width() - 330, 50);

  markerBar_ = new CMarkerControl(this);
}

void CMainFrame::CreateAccelerators() {
  for (const auto& accelerator : kMainAccelerators) {
    auto* action = new QAction(this);
    action->setShortcut(QKeySequence(QString::fromLatin1(accelerator.keys), QKeySequence::PortableText));
    action->setShortcutContext(Qt::WindowShortcut);
    const int id = accelerator.command;
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    addAction(action);
  }
}

void CMainFrame::RebuildMenus() {
  menuForProject_ = app_->Document() != nullptr;
  menuRecentFiles_ = app_->RecentFiles().Entries();
  for (auto& [id, action] : menuActions_) action->deleteLater();
  menuActions_.clear();
  menuBar()->clear();
  for (const auto& popup : MainMenu(menuForProject_)) {
    QMenu* menu = menuBar()->addMenu(FromUtf8(popup.text));
    AddMenuItems(*menu, popup.items);
  }
}

void CMainFrame::AddMenuItems(QMenu& menu, const std::vector<MainMenuItem>& items) {
  connect(&menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
  for (const auto& item : items) {
    if (item.IsSeparator()) {
      menu.addSeparator();
    } else if (item.IsPopup()) {
      AddMenuItems(*menu.addMenu(FromUtf8(item.text)), item.items);
    } else if (item.id == command::kRecentFile && !menuRecentFiles_.empty()) {
      for (std::size_t i = 0; i < menuRecentFiles_.size(); ++i) {
        const int id = command::kRecentFile + static_cast<int>(i);
        QAction* action = CommandAction(FromUtf8(RecentFileMenuText(i, menuRecentFiles_[i])), id, false);
        menu.addAction(action);
        menuActions_.emplace(id, action);
      }
    } else {
      QAction* action = CommandAction(FromUtf8(item.text), item.id, IsChecked(item.id));
      menu.addAction(action);
      menuActions_.emplace(item.id, action);
    }
  }
}

CChildFrame* CMainFrame::ProfileFrame() const {
  for (QMdiSubWindow* window : wall_->subWindowList())
    if (auto* frame = qobject_cast<CChildFrame*>(window)) return frame;
  return nullptr;
}

QLabel& CMainFrame::Pane(int id) const { return id == kPaneProfile ? *paneProfile_ : *panePosition_; }

std::vector<QAction*> CMainFrame::ActionsOf(int id) const {
  std::vector<QAction*> actions;
  for (const auto* map : {&menuActions_, &fixedActions_})
    for (auto [it, end] = map->equal_range(id); it != end; ++it) actions.push_back(it->second);
  if (CChildFrame* frame = ProfileFrame()) {
    const auto& buttons = frame->ToolBar().Buttons();
    if (const auto button = buttons.find(id); button != buttons.end()) actions.push_back(button->second);
  }
  return actions;
}

std::optional<CommandState> CMainFrame::ViewStateOf(int id) const {
  CChildFrame* frame = ProfileFrame();
  if (id == command::kGoToTenMetres) return CommandState{frame != nullptr, false};
  const ProfileViewInteraction* interaction = frame ? &frame->ViewWidget().Interaction() : nullptr;
  if (id == CSlideToolBar::kHyperbolaTool)
    return CommandState{interaction != nullptr, interaction && interaction->HyperbolaMode()};
  for (int tool = 1; tool <= ProfileViewInteraction::kMarkerTools; ++tool)
    if (id == CSlideToolBar::kMarkerTools[tool - 1])
      return CommandState{interaction != nullptr, interaction && interaction->ArmedMarkerType() == tool};
  return std::nullopt;
}

bool CMainFrame::RunViewCommand(int id) {
  CChildFrame* frame = ProfileFrame();
  if (!frame || !ViewStateOf(id)) return false;
  ProfileViewInteraction& interaction = frame->ViewWidget().Interaction();
  if (id == command::kGoToTenMetres) {
    interaction.OnGoTo();
  } else if (id == CSlideToolBar::kHyperbolaTool) {
    interaction.OnHyperbolaTool();
  } else {
    for (int tool = 1; tool <= ProfileViewInteraction::kMarkerTools; ++tool)
      if (id == CSlideToolBar::kMarkerTools[tool - 1]) interaction.OnMarkerTool(tool);
  }
  frame->ViewWidget().update();
  return true;
}

CommandState CMainFrame::StateOf(int id) const {
  using namespace command;
  const bool projectOpen = app_ && app_->Document();
  if (const auto view = ViewStateOf(id)) return *view;
  switch (id) {
    case kAbout:
    case kPrintSetup:
      return {true, false};
    case kMarkerList:
      return {true, markerBar_->isVisible()};
    case kViewToolBar:
      return {true, mainToolBar_->isVisible()};
    case kViewStatusBar:
      return {true, statusBar()->isVisible()};
    case kCascade:
    case kTile:
    case kNextPane:
    case kPreviousPane:
      return {projectOpen, false};
    case kToggleFilters: {
      CommandState state = app_ ? app_->State(id) : CommandState{};
      // The button shows the filters switched off.
      if (CChildFrame* frame = ProfileFrame()) state.checked = !frame->ViewWidget().View().filtersEnabled;
      return state;
    }
    default:
      return app_ ? app_->State(id) : CommandState{};
  }
}

bool CMainFrame::RunCommand(int id) {
  using namespace command;
  if (!app_ || !StateOf(id).enabled) return false;
  switch (id) {
    case kAbout: {
      CAboutDlg about(this);
      about.exec();
      break;
    }
    case kPrintSetup: {
      QPageSetupDialog setup(&printer_, this);
      setup.exec();
      break;
    }
    case kMarkerList:
      markerBar_->setVisible(!markerBar_->isVisible());
      break;
    case kViewToolBar:
      mainToolBar_->setVisible(!mainToolBar_->isVisible());
      break;
    case kViewStatusBar:
      statusBar()->setVisible(!statusBar()->isVisible());
      break;
    case kCascade:
      wall_->cascadeSubWindows();
      break;
    case kTile:
      wall_->tileSubWindows();
      break;
    case kNextPane:
      wall_->activateNextSubWindow();
      break;
    case kPreviousPane:
      wall_->activatePreviousSubWindow();
      break;
    case kExit:
      // Closing the window runs the exit flow.
      close();
      break;
    default:
      if (!RunViewCommand(id)) app_->Run(id);
      break;
  }
  UpdateCommandUI();
  return true;
}

void CMainFrame::ApplyState(QAction* action, int id) const {
  const CommandState state = StateOf(id);
  action->setEnabled(state.enabled);
  if (action->isCheckable()) action->setChecked(state.checked);
}

void CMainFrame::UpdateCommandUI() {
  if (!app_) return;
  if (menuForProject_ != (app_->Document() != nullptr) || menuRecentFiles_ != app_->RecentFiles().Entries())
    RebuildMenus();
  for (const auto* map : {&menuActions_, &fixedActions_})
    for (const auto& [id, action] : *map) ApplyState(action, id);
  CChildFrame* frame = ProfileFrame();
  if (frame) {
    const bool filtersOn = frame->ViewWidget().View().filtersEnabled;
    for (auto [it, end] = menuActions_.equal_range(command::kToggleFilters); it != end; ++it)
      it->second->setText(FromUtf8(ToggleFiltersText(filtersOn)));
    for (const auto& [id, button] : frame->ToolBar().Buttons()) ApplyState(button, id);
    frame->ToolBar().RefreshToolTips();
    frame->ToolBar().ShowGain(GainSlider::Position());
    frame->RefreshTitle();
  }
  // The site map fills the panes while it is active.
  auto* map = qobject_cast<CMapFrame*>(wall_->activeSubWindow());
  if (map && map->ViewWidget()) {
    map->UpdateCommandUI();
    paneProfile_->setText(FromUtf8(map->ViewWidget()->View().PaneText(kPaneProfile)));
    panePosition_->setText(FromUtf8(map->ViewWidget()->View().PaneText(kPanePosition)));
  } else if (frame && wall_->activeSubWindow() == frame) {
    paneProfile_->setText(FromUtf8(frame->ViewWidget().Interaction().ProfilePaneText()));
    panePosition_->setText(FromUtf8(frame->ViewWidget().Interaction().TracePaneText()));
  } else {
    paneProfile_->setText(FromUtf8(DataWidthPaneText(App().is32BitData)));
    panePosition_->setText(QString::fromLatin1(kEmptyPaneText));
  }
  RefreshTitle();
}

void CMainFrame::OnSubWindowActivated(QMdiSubWindow* window) {
  if (auto* frame = qobject_cast<CChildFrame*>(window)) frame->OnActivated();
  RefreshTitle();
}

void CMainFrame::RefreshTitle() {
  std::string path;
  const QMdiSubWindow* active = wall_->activeSubWindow();
  if (const auto* frame = qobject_cast<const CChildFrame*>(active)) path = frame->Document().GetPathName();
  if (const auto* map = qobject_cast<const CMapFrame*>(active); map && map->Document())
    path = map->Document()->GetPathName();
  const QString title = FromUtf8(MainFrameTitle(active && app_ && app_->Document() ? &path : nullptr));
  if (windowTitle() != title) setWindowTitle(title);
}

void CMainFrame::CloseProject() {
  app_->CloseDocument();
  UpdateCommandUI();
}

void CMainFrame::SetRemoteMode(int value, int mode) { remoteBar_->SetRemoteMode(value, mode); }

MapFrame* CMainFrame::CreateMapFrame(CTarvixDoc& document) {
  auto* map = new CMapFrame(document, MarkerList());
  wall_->addSubWindow(map);
  map->show();
  map->InitialUpdate();
  return map;
}

void CMainFrame::TileWindows() { wall_->tileSubWindows(); }

void CMainFrame::OpenDocumentWindows(CTarvixDoc& document) {
  auto* frame = new CChildFrame(document, *this);
  wall_->addSubWindow(frame);
  // Without a stored placement the radargram takes the whole client area.
  frame->setGeometry(wall_->viewport()->rect());
  frame->RestorePlacement();
  frame->show();
  frame->InitialUpdate();
  UpdateCommandUI();
}

void CMainFrame::CloseDocumentWindows(CTarvixDoc& document) {
  for (QMdiSubWindow* window : wall_->subWindowList()) {
    if (auto* frame = qobject_cast<CChildFrame*>(window); frame && &frame->Document() == &document)
      frame->CloseByProgram();
    else if (auto* map = qobject_cast<CMapFrame*>(window); map && map->Document() == &document)
      map->CloseByProgram();
  }
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  const QRect bar = markerBar_->geometry();
  MarkerBarPlacement::Save(App().store, Rect{bar.left(), bar.top(), bar.right() + 1, bar.bottom() + 1},
                           markerBar_->isVisible());
  if (app_ && !app_->OnAppExit()) {
    event->ignore();
    UpdateCommandUI();
    return;
  }
  idle_.stop();
  event->accept();
}

}  // namespace tarvix
