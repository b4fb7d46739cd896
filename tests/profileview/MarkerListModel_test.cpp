#include "profileview/MarkerListModel.h"

#include <gtest/gtest.h>

#include "model/KBaseLineProfile.h"
#include "model/KTarvixProject.h"
#include "profileview/DisplayState.h"
#include "profileview/MarkerListDocument.h"
#include "support/TestApp.h"

namespace tarvix {
namespace {

struct ListDocument : MarkerListDocument {
  KTarvixProject& Project() override { return project; }
  DisplayState& State() override { return state; }
  void RepaintAllViews() override { ++repaints; }

  KTarvixProject project;
  DisplayState state;
  int repaints = 0;
};

struct Recorder : MarkerListModel::Observer {
  void RowsReset() override { log.push_back("reset"); }
  void RowChanged(int row) override { log.push_back("row " + std::to_string(row)); }
  void SelectionChanged(int row) override { log.push_back("selection " + std::to_string(row)); }
  void RevealRow(int row) override { log.push_back("reveal " + std::to_string(row)); }
  std::vector<std::string> log;
};

KMarker Marker(int type, int trace, int sample, std::string comment, bool visible = true) {
  KMarker marker;
  marker.type = static_cast<std::int16_t>(type);
  marker.trace = trace;
  marker.sample = sample;
  marker.comment = std::move(comment);
  marker.visible = visible ? 1 : 0;
  return marker;
}

// Two sets: a1 with two markers, a2 with one, then b1 with one.
struct Fixture {
  Fixture() {
    AddProfile(0, "/survey/a1.rd3", {Marker(3, 5, 7, "pipe"), Marker(20, 6, 8, "")});
    AddProfile(0, "/survey/a2.rd3", {Marker(0, 1, 2, "hidden", false)});
    AddProfile(1, "/survey/b1.rd3", {Marker(-2, 3, 4, "odd")});
    list.SetObserver(&recorder);
  }
  void AddProfile(std::size_t set, const std::string& path, std::vector<KMarker> markers) {
    auto& sets = document.project.sets;
    while (sets.size() <= set) sets.push_back(std::make_unique<KRadarProfileSet>());
    auto profile = std::make_unique<KBaseLineProfile>();
    profile->dataPath = path;
    profile->markers.items = std::move(markers);
    sets[set]->profiles.push_back(std::move(profile));
  }
  KMarker& MarkerOf(std::size_t set, std::size_t profile, std::size_t marker) {
    return document.project.sets[set]->profiles[profile]->markers.items[marker];
  }

  testing::TestApp app;
  ListDocument document;
  MarkerListModel list;
  Recorder recorder;
};

TEST(MarkerListModelTest, RowsListEveryMarkerInGlobalOrder) {
  struct Case {
    const char* type0Name;
    const char* type3Name;
    std::vector<std::string> typeTexts;
  };
  const Case cases[] = {
      {"", "", {" 3", " 20", " 0", " -2"}},
      {"Void", "Cable", {" Cable", " Void", " Void", " Void"}},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.app.settings().markerTypeNames[0] = c.type0Name;
    f.app.settings().markerTypeNames[3] = c.type3Name;
    f.list.MarkersChanged(0, &f.document);
    ASSERT_EQ(f.list.RowCount(), 4);
    EXPECT_EQ(f.list.RowTexts(0), (MarkerListModel::Row{" a1.rd3", c.typeTexts[0], " 5", " 7", " pipe"}));
    EXPECT_EQ(f.list.RowTexts(2), (MarkerListModel::Row{" a2.rd3", c.typeTexts[2], " 1", " 2", " hidden"}));
    EXPECT_EQ(f.list.RowTexts(3), (MarkerListModel::Row{" b1.rd3", c.typeTexts[3], " 3", " 4", " odd"}));
    EXPECT_EQ(f.list.RowTexts(1)[1], c.typeTexts[1]);
    EXPECT_EQ(f.list.RowTexts(1)[4], " ");
  }
}

TEST(MarkerListModelTest, RefillsForgetTheSelectionAndARowCanBeRefreshedAlone) {
  Fixture f;
  f.list.MarkersChanged(0, &f.document);
  f.list.SelectMarker(1, true);
  f.MarkerOf(0, 0, 0).comment = "pipe, deeper";
  f.MarkerOf(0, 0, 1).comment = "not refreshed";
  f.recorder.log.clear();

  f.list.MarkersChanged(0 + 1, &f.document);
  EXPECT_EQ(f.list.RowTexts(0)[4], " pipe, deeper");
  EXPECT_EQ(f.list.RowTexts(1)[4], " ");
  EXPECT_TRUE(f.list.IsMarkerSelected(1));
  f.list.MarkersChanged(99, &f.document);  // no such row

  f.list.MarkersChanged(0, &f.document);
  EXPECT_FALSE(f.list.IsMarkerSelected(1));
  EXPECT_EQ(f.list.RowTexts(1)[4], " not refreshed");
  EXPECT_EQ(f.document.state.selectedMarker, 1);  // until the next change of selection

  f.list.MarkersChanged(0, nullptr);
  EXPECT_EQ(f.list.RowCount(), 0);
  EXPECT_EQ(f.list.Document(), nullptr);
  EXPECT_EQ(f.recorder.log, (std::vector<std::string>{"row 0", "reset", "reset"}));
}

TEST(MarkerListModelTest, SelectionChangesMoveTheDocumentsSelectedMarker) {
  Fixture f;
  f.list.MarkersChanged(0, &f.document);
  f.recorder.log.clear();
  auto& state = f.document.state;

  f.list.SelectMarker(2, false);
  EXPECT_EQ(state.selectedMarker, 2);
  EXPECT_EQ(state.selectedMarkerRef, &f.MarkerOf(0, 1, 0));
  f.list.SelectMarker(3, true);  // others keep their state
  EXPECT_TRUE(f.list.IsMarkerSelected(2));
  EXPECT_EQ(state.selectedMarkerRef, &f.MarkerOf(1, 0, 0));
  f.list.SelectMarker(3, true);  // already selected: nothing happens
  f.list.SelectMarker(7, false);
  EXPECT_FALSE(f.list.IsMarkerSelected(7));
  EXPECT_FALSE(f.list.IsMarkerSelected(-1));
  EXPECT_EQ(f.document.repaints, 2);

  // A click moves the selection: the old row's loss comes first.
  f.list.SetRowSelected(3, false);
  f.list.SetRowSelected(0, true);
  EXPECT_EQ(state.selectedMarker, 0);

  f.list.SelectMarker(-1, false);
  EXPECT_FALSE(f.list.IsMarkerSelected(0));
  EXPECT_FALSE(f.list.IsMarkerSelected(2));
  EXPECT_EQ(state.selectedMarker, -1);
  EXPECT_EQ(state.selectedMarkerRef, nullptr);
  EXPECT_EQ(f.document.repaints, 6);
  EXPECT_EQ(f.recorder.log, (std::vector<std::string>{"selection 2", "reveal 2", "selection 3", "selection 3",
                                                       "selection 0", "selection 0", "selection 2"}));
}

TEST(MarkerListModelTest, RowColoursShowTypeVisibilityAndSelection) {
  struct Case {
    int type;
    bool visible;
    bool selected;
    Colour text;
    std::optional<Colour> background;
  };
  const Case cases[] = {
      {2, true, false, Rgb(0, 255, 0), std::nullopt},      {4, true, false, Rgb(128, 128, 0), std::nullopt},
      {10, true, false, Rgb(208, 208, 208), std::nullopt}, {2, false, false, Rgb(208, 208, 208), std::nullopt},
      {9, true, false, Rgb(0, 255, 0), std::nullopt},      {14, true, false, Rgb(0, 0, 0), std::nullopt},
      {-1, true, false, Rgb(0, 0, 0), std::nullopt},       {2, false, true, Rgb(255, 255, 255), Rgb(0, 127, 127)},
  };
  for (const auto& c : cases) {
    Fixture f;
    f.MarkerOf(0, 0, 0) = Marker(c.type, 0, 0, "", c.visible);
    f.list.MarkersChanged(0, &f.document);
    if (c.selected) f.list.SelectMarker(0, true);
    const auto colours = f.list.ColoursOf(0);
    EXPECT_EQ(colours.text, c.text) << c.type << " " << c.visible;
    EXPECT_EQ(colours.background, c.background) << c.type << " " << c.visible;
  }
}

}  // namespace
}  // namespace tarvix
