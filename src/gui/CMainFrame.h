#pragma once
#include <QMainWindow>
#include <QPrinter>
#include <QTimer>
#include <map>
#include <optional>
#include <vector>

#include "app/AppWindows.h"
#include "document/Commands.h"
#include "document/MainMenu.h"
#include "profileview/RemoteControlTarget.h"

class QLabel;
class QMdiSubWindow;
class QMenu;

namespace tarvix {

class CChildFrame;
class CMarkerControl;
class CRemoteControl;
class CTarvixApp;
class CWallFrame;
class MarkerListModel;

// The program's main window: menus, the main tool bar, the status bar, the floating marker list
// and remote-control bars, and the child frames of the open project on the painted background.
class CMainFrame : public QMainWindow, public AppWindows, public RemoteControlTarget {
  Q_OBJECT
 public:
  // The status bar's indicator panes.
  static constexpr int kPaneProfile = 130;
  static constexpr int kPanePosition = 131;

  CMainFrame();
  ~CMainFrame() override;

  // The application whose commands the window carries; set once, before the window is shown.
  void SetApplication(CTarvixApp& app);
  CTarvixApp& Application() const { return *app_; }
  MarkerListModel& MarkerList() const;

  // How a command shows in menus and tool bars now, and carrying it out (false when disabled).
  CommandState StateOf(int id) const;
  bool RunCommand(int id);
  // Menus, buttons, captions and status panes follow the state, as after every command.
  void UpdateCommandUI();
  // The profile window was closed by the user: the project goes with it.
  void CloseProject();
  // Shows the remote-control slider for a hyperbola parameter; mode 0 hides it.
  void SetRemoteMode(int value, int mode) override;

  CWallFrame& Wall() const { return *wall_; }
  CChildFrame* ProfileFrame() const;
  CMarkerControl& MarkerBar() const { return *markerBar_; }
  CRemoteControl& RemoteBar() const { return *remoteBar_; }
  QLabel& Pane(int id) const;
  // The menu items and buttons of a command (tests press them as a user would).
  std::vector<QAction*> ActionsOf(int id) const;

  // AppWindows
  MapFrame* CreateMapFrame(CTarvixDoc& document) override;
  void TileWindows() override;
  void RefreshTitle() override;
  void OpenDocumentWindows(CTarvixDoc& document) override;
  void CloseDocumentWindows(CTarvixDoc& document) override;

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateMainToolBar();
  void CreateStatusBar();
  void CreateBars();
  void CreateAccelerators();
  void RebuildMenus();
  void AddMenuItems(QMenu& menu, const std::vector<MainMenuItem>& items);
  QAction* CommandAction(const QString& text, int id, bool checkable);
  void OnSubWindowActivated(QMdiSubWindow* window);
  void ApplyState(QAction* action, int id) const;
  // The profile view's own commands: the marker and hyperbola tools and Ctrl+G.
  std::optional<CommandState> ViewStateOf(int id) const;
  bool RunViewCommand(int id);

  CTarvixApp* app_ = nullptr;
  CWallFrame* wall_;
  QToolBar* mainToolBar_ = nullptr;
  CRemoteControl* remoteBar_ = nullptr;
  CMarkerControl* markerBar_ = nullptr;
  QLabel* paneProfile_ = nullptr;
  QLabel* panePosition_ = nullptr;
  std::multimap<int, QAction*> fixedActions_;
  std::multimap<int, QAction*> menuActions_;
  // What the menu bar was built for.
  bool menuForProject_ = false;
  std::vector<std::string> menuRecentFiles_;
  QPrinter printer_;
  QTimer idle_;
};

}  // namespace tarvix
