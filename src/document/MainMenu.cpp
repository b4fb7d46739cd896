#include "document/MainMenu.h"

#include "app/TextHelpers.h"
#include "document/Commands.h"

namespace tarvix {

namespace {

MainMenuItem Item(std::string text, int id) { return {std::move(text), id, {}}; }
MainMenuItem Separator() { return {}; }
MainMenuItem Popup(std::string text, std::vector<MainMenuItem> items) {
  return {std::move(text), 0, std::move(items)};
}

}  // namespace

std::vector<MainMenuItem> MainMenu(bool projectOpen) {
  using namespace command;
  std::vector<MainMenuItem> file = {Item("&New\tCtrl+N", kNew), Item("&Open...\tCtrl+O", kOpen)};
  if (projectOpen) {
    file.insert(file.end(),
                {Item("&Close", kClose), Item("&Save\tCtrl+S", kSave), Item("Save &As...", kSaveAs),
                 Separator(), Item("&Add Project...", kAddProject), Item("Project Manager", kProjectManager),
                 Item("Convert project BL to GPS", kConvertToGps), Separator(),
                 Popup("Export", {Item("DXF", kExportDxf), Item("ASCII", kExportAscii),
                                  Item("Trelwin", kExportTrelwin)}),
                 Separator(), Item("&Print...\tCtrl+P", kPrint), Item("Print Pre&view", kPrintPreview)});
  } else {
    file.push_back(Separator());
  }
  file.insert(file.end(), {Item("P&rint Setup...", kPrintSetup), Separator(),
                           Item("Recent File", kRecentFile), Separator(), Item("E&xit", kExit)});

  std::vector<MainMenuItem> view = {Item("&Toolbar", kViewToolBar), Item("&Status Bar", kViewStatusBar),
                                    Item("&Marker List", kMarkerList)};
  std::vector<MainMenuItem> tools = {Item("&Options", kOptions), Item("Change &Palette\tP", kChangePalette)};
  if (projectOpen) {
    view.push_back(Item("Site Map\tCtrl+M", kSiteMap));
    tools.insert(tools.end(),
                 {Separator(), Item("Edit &Filter List\tF", kEditFilterList),
                  Item(ToggleFiltersText(true), kToggleFilters), Item("&Migration", kMigration)});
  }
  std::vector<MainMenuItem> bar = {Popup("&File", std::move(file)), Popup("&View", std::move(view)),
                                   Popup("&Tools", std::move(tools))};
  if (projectOpen)
    bar.push_back(Popup("&Window", {Item("&Cascade", kCascade), Item("&Tile", kTile),
                                    Item("&Arrange Icons", kArrangeIcons)}));
  bar.push_back(
      Popup("&Help", {Item("&Help topics", kHelpTopics), Separator(), Item("&About Tarvix", kAbout)}));
  return bar;
}

std::string RecentFileMenuText(std::size_t index, const std::string& path) {
  // A '&' in a file name is shown, not taken as a mnemonic.
  std::string name;
  for (const char c : FileNameOfPath(path)) {
    if (c == '&') name += '&';
    name += c;
  }
  return "&" + std::to_string(index + 1) + " " + name;
}

std::string ToggleFiltersText(bool filtersOn) {
  return filtersOn ? "&Disable All Filters\tCtrl+F" : "&Enable All Filters\tCtrl+F";
}

}  // namespace tarvix
