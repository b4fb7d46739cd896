#pragma once

namespace tarvix {

// Menu and accelerator commands, by their menu ids.
namespace command {
inline constexpr int kNew = 57600;
inline constexpr int kOpen = 57601;
inline constexpr int kClose = 57602;
inline constexpr int kSave = 57603;
inline constexpr int kSaveAs = 57604;
inline constexpr int kPrintSetup = 57606;
inline constexpr int kPrint = 57607;
inline constexpr int kRecentFile = 57616;  // the first of the recent-file entries
inline constexpr int kRecentFileCount = 4;
inline constexpr int kArrangeIcons = 57649;
inline constexpr int kTile = 57652;
inline constexpr int kAbout = 57664;
inline constexpr int kExit = 57665;
inline constexpr int kOptions = 32773;
inline constexpr int kSiteMap = 32781;
inline constexpr int kAddProject = 32790;
inline constexpr int kToggleFilters = 32797;
inline constexpr int kExportDxf = 32798;
inline constexpr int kChangePalette = 32802;
inline constexpr int kEditFilterList = 32803;
inline constexpr int kProjectManager = 32806;
inline constexpr int kExportAscii = 32807;
inline constexpr int kMigration = 32815;
inline constexpr int kExportTrelwin = 32818;
inline constexpr int kConvertToGps = 32822;
}  // namespace command

// How a menu item or tool button shows a command in the current state.
struct CommandState {
  bool enabled = false;
  bool checked = false;
};

}  // namespace tarvix
