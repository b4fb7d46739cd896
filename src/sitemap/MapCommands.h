#pragma once
#include <array>
#include <string>

namespace tarvix {

// The site map's commands by their ids, and the tool bar the map's frame builds from them.
namespace mapcommand {
inline constexpr int kDefaultView = 32789;
inline constexpr int kHorizontalFit = 32804;
inline constexpr int kVerticalFit = 32805;
inline constexpr int kZoomIn = 32786;
inline constexpr int kZoomOut = 32787;
inline constexpr int kShowScales = 32801;
inline constexpr int kShowGrid = 32813;
inline constexpr int kUtmDisplay = 32816;
inline constexpr int kMoveLeft = 32788;
inline constexpr int kMoveRight = 32783;
inline constexpr int kMoveUp = 32784;
inline constexpr int kMoveDown = 32785;
// The tool bar item that becomes the zoom box.
inline constexpr int kZoomBox = 32799;
}  // namespace mapcommand

// The status bar panes the map fills while it is active.
inline constexpr int kMapProfilePane = 130;
inline constexpr int kMapPositionPane = 131;

// A command's prompt: the status bar text, then after "\n" its tool tip.
struct MapCommandPrompt {
  int id;
  const char* prompt;
};

inline constexpr std::array<MapCommandPrompt, 12> kMapCommandPrompts = {{
    {mapcommand::kDefaultView, "Default view\nDefault"},
    {mapcommand::kHorizontalFit, "Horizontal fit\nHorizontal fit"},
    {mapcommand::kVerticalFit, "Vertical fit\nVertical fit"},
    {mapcommand::kZoomIn, "Zoom in\nZoom in"},
    {mapcommand::kZoomOut, "Zoom out\nZoom out"},
    {mapcommand::kShowScales, "Show/hide scales\nShow/hide scales"},
    {mapcommand::kShowGrid, "Show/hide grid\nShow/hide grid"},
    {mapcommand::kUtmDisplay, "UTM coord/Lat:Long\nUTM coord/Lat:Long"},
    {mapcommand::kMoveLeft, "Move left\nLeft"},
    {mapcommand::kMoveRight, "Move right\nRight"},
    {mapcommand::kMoveUp, "Move up\nUpward"},
    {mapcommand::kMoveDown, "Move down\nDownward"},
}};

// The buttons of the map's tool bar in order; 0 is a separator. The last item is the place of
// the zoom box, 50 pixels wide.
inline constexpr std::array<int, 11> kMapToolBar = {
    mapcommand::kDefaultView, mapcommand::kHorizontalFit, mapcommand::kVerticalFit, 0,
    mapcommand::kZoomIn,      mapcommand::kZoomOut,       mapcommand::kShowScales,  mapcommand::kShowGrid,
    mapcommand::kUtmDisplay,  0,                          mapcommand::kZoomBox};
inline constexpr int kZoomBoxWidth = 50;

// The zoom box's text for a zoom factor (1 at the last fit): "%3d%%" of the percentage, truncated.
std::string ZoomBoxText(float factor);

}  // namespace tarvix
