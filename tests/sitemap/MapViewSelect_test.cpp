#include <gtest/gtest.h>

#include "MapFixture.h"

namespace tarvix {
namespace {

using testing::MapFixture;

// Right-handed: two baselines along x, at y 0 and y 40, with vertical profiles 20 m long
// crossing the first at x 20, 40 and 60 and the second at x 90. A profile's distance is that
// from its whole line, beyond its ends too.
struct SiteFixture : MapFixture {
  explicit SiteFixture(int width = 600, int height = 400) {
    app.settings().Orientation = 1;
    for (const double x : {20.0, 40.0, 60.0}) AddBaseline(0, {0, 0, 0}, {100, 0, 0}, x, 90, 10, 201);
    AddBaseline(1, {0, 40, 0}, {100, 40, 0}, 90, 90, 10, 201);
    AddMarker(Profile(0, 1), 100, "pipe");
    AddMarker(Profile(0, 1), 100, "second at the same place");
    pipe = &Profile(0, 1).markers.items.front();
    AddMarker(Profile(0, 2), 100, "hidden", 1, false);
    AddMarker(Profile(1, 0), 50, "");
    Show(width, height);
    doc.state.firstProfile = 2;
  }
  KRadarProfile& Profile(std::size_t set, std::size_t profile) { return *doc.project.sets[set]->profiles[profile]; }
  Point Pixel(double x, double y) const { return view.WorldToScreen({x, y, 0}); }
  Point MarkerPixel(std::size_t set, std::size_t profile, int trace) {
    return view.WorldToScreen(Profile(set, profile).GetTracePosition(trace));
  }
  KMarker* pipe;
};

TEST(MapSelectTest, AClickMakesTheNearestProfileTheFirstDisplayedOne) {
  struct Case {
    double x, y;
    int set, profile;
  };
  const Case cases[] = {{33, 0, 0, 1}, {27, 5, 0, 0}, {74, -8, 0, 2}, {85, 45, 1, 0}, {95, -5, 1, 0}};
  for (const auto& c : cases) {
    SiteFixture f;
    const int refreshes = f.profileView.refreshes;
    const auto response = f.view.OnLButtonDown(f.Pixel(c.x, c.y), {});
    EXPECT_EQ(f.doc.state.currentSet, c.set) << c.x << "," << c.y;
    EXPECT_EQ(f.doc.state.firstProfile, c.profile) << c.x << "," << c.y;
    EXPECT_EQ(f.doc.state.selectedProfile, c.profile) << c.x << "," << c.y;
    EXPECT_EQ(f.profileView.refreshes, refreshes + 1);
    EXPECT_TRUE(response.repaint);
  }
}

TEST(MapSelectTest, AClickNearAVisibleMarkerSelectsTheFirstOfItsProfile) {
  struct Case {
    const char* name;
    int dx, dy;
    bool hit;
  };
  // The hit box reaches 4 pixels left and up, 3 right and down.
  const Case cases[] = {{"on it", 0, 0, true},         {"3 right, 3 down", -3, -3, true},
                        {"4 left, 4 up", 4, 4, true}, {"4 right", -4, 0, false},
                        {"5 left", 5, 0, false}};
  for (const auto& c : cases) {
    SiteFixture f;
    const Point marker = f.MarkerPixel(0, 1, 100);
    f.view.OnLButtonDown({marker.x + c.dx, marker.y + c.dy}, {});
    EXPECT_EQ(f.doc.state.selectedMarker, c.hit ? 0 : -1) << c.name;
    EXPECT_EQ(f.doc.state.selectedMarkerRef, c.hit ? f.pipe : nullptr) << c.name;
    EXPECT_EQ(f.host.markerList.IsMarkerSelected(0), c.hit) << c.name;
    // The second marker at the same place is passed over.
    EXPECT_FALSE(f.host.markerList.IsMarkerSelected(1)) << c.name;
    EXPECT_EQ(f.view.lastClickHitMarker, c.hit) << c.name;
  }
}

TEST(MapSelectTest, HiddenMarkersCannotBeClicked) {
  SiteFixture f;
  f.view.OnLButtonDown(f.MarkerPixel(0, 2, 100), {});
  EXPECT_EQ(f.doc.state.selectedMarker, -1);
  EXPECT_FALSE(f.host.markerList.IsMarkerSelected(2));
}

TEST(MapSelectTest, CtrlKeepsTheSelectionAndAddsToIt) {
  SiteFixture f;
  f.view.OnLButtonDown(f.MarkerPixel(0, 1, 100), {});
  f.view.OnLButtonDown(f.Pixel(90, -9), {false, true});
  EXPECT_TRUE(f.host.markerList.IsMarkerSelected(0));
  EXPECT_EQ(f.doc.state.selectedMarker, 0);
  f.view.OnLButtonDown(f.MarkerPixel(1, 0, 50), {false, true});
  EXPECT_TRUE(f.host.markerList.IsMarkerSelected(0));
  EXPECT_TRUE(f.host.markerList.IsMarkerSelected(3));
  EXPECT_EQ(f.doc.state.selectedMarker, 3);
  // Without Ctrl a click elsewhere clears everything.
  f.view.OnLButtonDown(f.Pixel(90, -9), {});
  EXPECT_FALSE(f.host.markerList.IsMarkerSelected(0) || f.host.markerList.IsMarkerSelected(3));
  EXPECT_EQ(f.doc.state.selectedMarker, -1);
}

TEST(MapSelectTest, WithScalesOnlyThePlotAreaTakesTheMouse) {
  struct Case {
    bool scales;
    Point point;
    bool handled;
  };
  // 30 pixels from the left edge is in the scales' frame; 50 is the first pixel of the plot.
  const Case cases[] = {{true, {30, 200}, false}, {false, {30, 200}, true}, {true, {50, 200}, true},
                        {true, {549, 200}, true}, {true, {550, 200}, false}, {true, {300, 350}, false}};
  for (const auto& c : cases) {
    SiteFixture f;
    if (!c.scales) f.view.OnCommand(mapcommand::kShowScales);
    const int refreshes = f.profileView.refreshes;
    f.view.OnLButtonDown(c.point, {});
    if (!c.scales) {
      EXPECT_EQ(f.doc.state.firstProfile, 0);
    }
    EXPECT_EQ(f.profileView.refreshes, refreshes + (c.handled ? 1 : 0)) << c.point.x << "," << c.point.y;
    EXPECT_EQ(f.view.OnRButtonDown(c.point, {}).contextMenu.has_value(), c.handled);
    f.view.OnMouseMove(c.point);
    EXPECT_EQ(f.view.lastMousePoint, c.point);
  }
}

TEST(MapContextMenuTest, OffersTrelwinOnlyInGpsProjectsWhereThereAreNoProperties) {
  struct Case {
    const char* name;
    int version;
    bool markerSelected;
    bool profiles;
    bool editMarker, properties, exports, trelwin;
  };
  const Case cases[] = {
      {"baseline", 1, false, true, false, true, true, false},
      {"baseline with a marker", 1, true, true, true, true, true, false},
      {"empty baseline set", 1, false, false, false, false, false, false},
      {"GPS", 2, true, true, true, false, true, true},
      {"empty GPS set", 2, false, false, false, false, false, true},
  };
  for (const auto& c : cases) {
    MapFixture f(c.version);
    f.Set(0);
    if (c.profiles) c.version == 2 ? (void)f.AddGps(5, {{1, 50, 10}, {5, 50.001, 10}})
                                   : (void)f.AddBaseline(0, {0, 0, 0}, {10, 0, 0}, 5, 90, 1, 21);
    f.Show();
    f.doc.state.selectedMarker = c.markerSelected ? 0 : -1;
    const MapContextMenu menu = BuildMapContextMenu(f.doc.project, f.doc.state, {7, 9});
    ASSERT_EQ(menu.items.size(), 4u) << c.name;
    EXPECT_EQ(menu.items[0].text, "Edit marker");
    EXPECT_EQ(menu.items[0].enabled, c.editMarker) << c.name;
    EXPECT_EQ(menu.items[1].text, "Properties");
    EXPECT_EQ(menu.items[1].enabled, c.properties) << c.name;
    EXPECT_TRUE(menu.items[2].text.empty() && menu.items[2].id == 0);
    EXPECT_EQ(menu.items[3].text, "Export");
    EXPECT_EQ(menu.items[3].enabled, c.exports) << c.name;
    std::vector<std::string> exports;
    for (const auto& item : menu.items[3].items) exports.push_back(item.text);
    const std::vector<std::string> expected =
        c.trelwin ? std::vector<std::string>{"DXF", "ASCII", "Trelwin"} : std::vector<std::string>{"DXF", "ASCII"};
    EXPECT_EQ(exports, expected) << c.name;
    EXPECT_EQ(menu.at, (Point{7, 9}));
  }
}

TEST(MapContextMenuTest, OpensOnlyOverAnExistingSetAfterSelecting) {
  SiteFixture f;
  const auto response = f.view.OnRButtonDown(f.MarkerPixel(0, 1, 100), {});
  ASSERT_TRUE(response.contextMenu.has_value());
  EXPECT_TRUE(response.contextMenu->Find(mapmenu::kEditMarker)->enabled);
  EXPECT_EQ(f.doc.state.selectedMarker, 0);
  // A right click does not count as the first click of a double click.
  EXPECT_FALSE(f.view.lastClickHitMarker);

  MapFixture empty;
  empty.Show();
  empty.doc.state.currentSet = 0;
  EXPECT_FALSE(empty.view.OnRButtonDown({300, 200}, {}).contextMenu.has_value());
}

class RecordingEditing : public MapEditing {
 public:
  int answer = 0;
  std::vector<std::string> calls;
  void EditSelectedMarker() override { calls.push_back("marker"); }
  int EditProfileProperties() override {
    calls.push_back("properties");
    return answer;
  }
};

TEST(MapContextMenuTest, ChoicesGoToTheDocumentOrSayTheyAreNotAvailableYet) {
  struct Case {
    int id;
    bool editing;
    bool exportHandler;
    std::vector<std::string> calls;
    std::vector<std::string> messages;
  };
  const Case cases[] = {
      {mapmenu::kEditMarker, true, false, {"marker"}, {}},
      {mapmenu::kProperties, true, false, {"properties"}, {}},
      {mapmenu::kEditMarker, false, false, {}, {"Editing markers is not available yet."}},
      {mapmenu::kProperties, false, false, {}, {"Profile properties are not available yet."}},
      {mapmenu::kExportDxf, false, false, {}, {"DXF export is not available yet."}},
      {mapmenu::kExportAscii, false, false, {}, {"ASCII export is not available yet."}},
      {mapmenu::kExportDxf, false, true, {"export 32798"}, {}},
      {mapmenu::kExportAscii, false, true, {"export 32807"}, {}},
  };
  for (const auto& c : cases) {
    SiteFixture f;
    RecordingEditing editing;
    editing.answer = 1;
    if (c.editing) f.view.SetEditing(&editing);
    if (c.exportHandler)
      for (const int command : {command::kExportDxf, command::kExportAscii})
        f.doc.Commands().SetHandler(command, [&editing, command] { editing.calls.push_back("export " + std::to_string(command)); });
    f.view.OnRButtonDown(f.MarkerPixel(0, 1, 100), {});
    f.view.OnContextMenuCommand(c.id);
    EXPECT_EQ(editing.calls, c.calls) << c.id;
    EXPECT_EQ(f.app.ui.MessageTexts(), c.messages) << c.id;
    EXPECT_EQ(f.doc.IsModified(), c.id == mapmenu::kProperties && c.editing) << c.id;
  }
}

TEST(MapContextMenuTest, TrelwinIsNotOfferedInBaselineProjects) {
  SiteFixture f;
  RecordingEditing editing;
  f.view.SetEditing(&editing);
  f.view.OnRButtonDown(f.Pixel(50, 0), {});
  f.view.OnContextMenuCommand(mapmenu::kExportTrelwin);
  f.view.OnContextMenuCommand(mapmenu::kEditMarker);  // greyed: nothing selected
  EXPECT_TRUE(editing.calls.empty());
  EXPECT_TRUE(f.app.ui.messages.empty());
}

TEST(MapDoubleClickTest, EditsTheClickedMarkerOrTheCurrentProfile) {
  struct Case {
    const char* name;
    int version;
    bool onMarker;
    int tool;
    int answer;
    std::vector<std::string> calls;
    bool modified;
  };
  const Case cases[] = {
      {"marker", 1, true, 0, 1, {"marker"}, false},
      {"profile, confirmed", 1, false, 0, 1, {"properties"}, true},
      {"profile, cancelled", 1, false, 0, 0, {"properties"}, false},
      {"zoom tool", 1, true, mapcommand::kZoomIn, 1, {}, false},
      {"GPS profile", 2, false, 0, 1, {}, false},
  };
  for (const auto& c : cases) {
    MapFixture f(c.version);
    KRadarProfile& profile = c.version == 2 ? static_cast<KRadarProfile&>(f.AddGps(20, {{1, 50, 10}, {20, 50.001, 10.001}}))
                                            : f.AddBaseline(0, {0, 0, 0}, {100, 0, 0}, 50, 90, 10, 201);
    MapFixture::AddMarker(profile, 10, "m");
    f.Show();
    RecordingEditing editing;
    editing.answer = c.answer;
    f.view.SetEditing(&editing);
    if (c.tool) f.view.OnCommand(c.tool);
    const Point marker = f.view.WorldToScreen(profile.GetTracePosition(10));
    const Point at = c.onMarker ? marker : Point{marker.x + 40, marker.y};
    if (!c.tool) f.view.OnLButtonDown(at, {});
    f.view.OnLButtonDblClk(at);
    EXPECT_EQ(editing.calls, c.calls) << c.name;
    EXPECT_EQ(f.doc.IsModified(), c.modified) << c.name;
    EXPECT_FALSE(f.view.lastClickHitMarker) << c.name;
  }
}

TEST(MapKeyboardTest, ShiftArrowsStepTheFirstDisplayedProfileWithinTheSet) {
  struct Case {
    int first;
    MapKey key;
    int expected;
  };
  const Case cases[] = {{1, MapKey::Left, 0}, {0, MapKey::Left, 0}, {1, MapKey::Right, 2}, {2, MapKey::Right, 2}};
  for (const auto& c : cases) {
    SiteFixture f;
    f.doc.state.currentSet = 0;
    f.doc.state.firstProfile = c.first;
    const int x = f.view.scrollX;
    const int refreshes = f.profileView.refreshes;
    const auto response = f.view.OnKeyDown(c.key, {true, false});
    EXPECT_EQ(f.doc.state.firstProfile, c.expected);
    const bool moved = c.expected != c.first;
    EXPECT_EQ(f.profileView.refreshes, refreshes + (moved ? 1 : 0));
    EXPECT_EQ(response.repaint, moved);
    EXPECT_EQ(f.view.scrollX, x);  // no scrolling with Shift
  }
  SiteFixture none;
  none.doc.state.currentSet = 5;
  none.view.OnKeyDown(MapKey::Right, {true, false});
  EXPECT_EQ(none.doc.state.firstProfile, 2);
}

TEST(MapCommandTest, ToggleCommandsShowTheirCheckMarks) {
  SiteFixture f;
  struct Case {
    int id;
    bool checkedAfter;
  };
  const Case cases[] = {{mapcommand::kZoomIn, true},      {mapcommand::kZoomOut, true},  {mapcommand::kZoomIn, true},
                        {mapcommand::kZoomIn, false},     {mapcommand::kShowGrid, true}, {mapcommand::kShowScales, false},
                        {mapcommand::kShowGrid, true},    {mapcommand::kUtmDisplay, true}};
  for (const auto& c : cases) {
    f.view.OnCommand(c.id);
    EXPECT_TRUE(f.view.StateOf(c.id).enabled) << c.id;
    EXPECT_EQ(f.view.StateOf(c.id).checked, c.checkedAfter) << c.id;
  }
  // Zoom in and zoom out exclude each other.
  EXPECT_FALSE(f.view.StateOf(mapcommand::kZoomOut).checked);
  // The grid waits for the scales: it did not change while they were hidden.
  EXPECT_TRUE(f.view.showGrid);
}

}  // namespace
}  // namespace tarvix
