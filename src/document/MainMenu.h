#pragma once
#include <string>
#include <vector>

namespace tarvix {

// Commands of the main window itself (bars, windows, the About box), beside those of the
// application and the document.
namespace command {
inline constexpr int kMarkerList = 32776;
inline constexpr int kGoToTenMetres = 32808;
inline constexpr int kPrintDirect = 57608;
inline constexpr int kPrintPreview = 57609;
inline constexpr int kCopy = 57634;
inline constexpr int kCut = 57635;
inline constexpr int kPaste = 57637;
inline constexpr int kUndo = 57643;
inline constexpr int kCascade = 57650;
inline constexpr int kHelpTopics = 57667;
inline constexpr int kNextPane = 57680;
inline constexpr int kPreviousPane = 57681;
inline constexpr int kViewToolBar = 59392;
inline constexpr int kViewStatusBar = 59393;
}  // namespace command

// One entry of a menu: a command, a separator (id 0, no text) or a popup (id 0, with items).
// The text marks the mnemonic with '&' and shows the keys after a tab.
struct MainMenuItem {
  std::string text;
  int id = 0;
  std::vector<MainMenuItem> items;

  bool IsSeparator() const { return id == 0 && text.empty(); }
  bool IsPopup() const { return id == 0 && !text.empty(); }
  bool operator==(const MainMenuItem&) const = default;
};

// The menu bar: without a project, or the one shown while a project is open. The item with the
// first recent-file id stands for the whole recent-file list.
std::vector<MainMenuItem> MainMenu(bool projectOpen);

// The recent-file entries as the File menu shows them ("&1 name", the file name only).
std::string RecentFileMenuText(std::size_t index, const std::string& path);

// The filter toggle's text names what choosing it does.
std::string ToggleFiltersText(bool filtersOn);

}  // namespace tarvix
