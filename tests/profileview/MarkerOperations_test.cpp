#include <gtest/gtest.h>

#include "document/CMarkExport.h"
#include "document/CMrkDlg.h"
#include "document/MarkerCoordinate.h"
#include "profileview/MarkerTypeColour.h"
#include "profileview/MarkerListMenu.h"
#include "InteractionFixture.h"

namespace tarvix {
namespace {

using testing::InteractionFixture;

// Two profiles with markers of types 2, 5, 2 and 2.
struct MarkerFixture : InteractionFixture {
  MarkerFixture() {
    a = &AddBaseline(0, "a", 64, 400);
    b = &AddBaseline(0, "b", 64, 300);
    AddMarker(*a, 10, 5, 2, "one");
    AddMarker(*a, 20, 6, 5, "two");
    AddMarker(*b, 30, 7, 2, "three");
    AddMarker(*b, 40, 8, 2, "four");
    Show(620, 400);
  }
  void Select(std::initializer_list<int> rows) {
    for (int row : rows) host.list.SelectMarker(row, true);
  }
  KRadarProfile* a;
  KRadarProfile* b;
};

TEST(MarkerOperationsTest, TheListMenuHidesShowsAndSelectsByScope) {
  struct Case {
    std::initializer_list<int> selected;
    int command;
    std::vector<int> visible;  // per global marker
    std::vector<int> selectedAfter;
  };
  const Case cases[] = {
      {{0}, 4, {0, 1, 0, 0}, {0}},        // "Hide marker by type": every type-2 marker of every profile
      {{1, 2}, 3, {1, 0, 0, 1}, {1, 2}},  // "Hide marker": the selected rows
      {{1}, 5, {0, 0, 0, 0}, {1}},
      {{3}, 9, {1, 1, 1, 1}, {0, 2, 3}},  // "Select marker by type" adds to the selection
      {{3}, 10, {1, 1, 1, 1}, {0, 1, 2, 3}},
  };
  for (const auto& c : cases) {
    MarkerFixture f;
    f.Select(c.selected);
    const PopupMenu menu = MarkerListMenu(f.doc);
    ASSERT_EQ(menu.size(), 13u);
    EXPECT_TRUE(menu[2].IsSeparator() && menu[6].IsSeparator() && menu[10].IsSeparator());
    EXPECT_EQ(menu[4].text, "Hide marker by type");
    RunMarkerListCommand(f.doc, c.command);
    std::vector<int> visible;
    for (auto* p : {f.a, f.b})
      for (const auto& m : p->markers.items) visible.push_back(m.visible);
    EXPECT_EQ(visible, c.visible) << c.command;
    EXPECT_EQ(f.SelectedRows(), c.selectedAfter) << c.command;
  }
  MarkerFixture f;
  f.doc.state.selectedMarker = -1;
  EXPECT_TRUE(MarkerListMenu(f.doc).empty());
}

TEST(MarkerOperationsTest, HiddenMarkersTurnGreyAndLeaveTheRadargram) {
  MarkerFixture f;
  f.Select({0});
  RunMarkerListCommand(f.doc, 4);
  EXPECT_EQ(f.host.list.ColoursOf(2).text, Rgb(208, 208, 208));
  f.host.list.SelectMarker(-1, false);
  EXPECT_EQ(f.host.list.ColoursOf(0).text, Rgb(208, 208, 208));
  EXPECT_EQ(f.host.list.ColoursOf(1).text, MarkerTypeColour(5));
  // A click where a hidden marker sits selects nothing.
  f.Click(f.At(10, 5, 0));
  EXPECT_TRUE(f.SelectedRows().empty());
}

TEST(MarkerOperationsTest, EditingSeveralMarkersChangesOnlyTheirComments) {
  MarkerFixture f;
  f.Select({0, 2, 3});
  f.app.ui.Dialog(CMrkDlg::kName, [](DialogModel& model) {
    auto& dialog = static_cast<CMrkDlg&>(model);
    EXPECT_EQ(dialog.markersEdited, 3);
    EXPECT_FALSE(dialog.PlaceEnabled());
    EXPECT_EQ(dialog.comment, "four");
    dialog.comment = "pipe";
    dialog.trace = 99;
    dialog.type = 7;
    return true;
  });
  RunMarkerListCommand(f.doc, 1);
  EXPECT_EQ(f.a->markers.items[0].comment, "pipe");
  EXPECT_EQ(f.a->markers.items[1].comment, "two");
  EXPECT_EQ(f.b->markers.items[0].comment, "pipe");
  EXPECT_EQ(f.b->markers.items[1].comment, "pipe");
  EXPECT_EQ(f.b->markers.items[1].trace, 40);
  EXPECT_EQ(f.b->markers.items[1].type, 2);
  EXPECT_EQ(f.host.list.RowTexts(2)[4], " pipe");
  EXPECT_TRUE(f.doc.IsModified());
}

TEST(MarkerOperationsTest, EditingOneMarkerWritesItsPlaceTypeAndComment) {
  MarkerFixture f;
  f.app.settings().markerTypeNames[3] = "";
  f.Select({1});
  f.app.ui.Dialog(CMrkDlg::kName, [](DialogModel& model) {
    auto& dialog = static_cast<CMrkDlg&>(model);
    EXPECT_TRUE(dialog.PlaceEnabled());
    EXPECT_EQ(dialog.profile, "a.rd3");
    EXPECT_EQ(dialog.traceCount, 400);
    EXPECT_EQ(dialog.sampleCount, 64);
    EXPECT_EQ(dialog.TypeEntries()[3], "Type 4");
    dialog.trace = 123;
    dialog.sample = 9;
    dialog.type = 3;
    dialog.comment = "cable";
    EXPECT_EQ(dialog.SwatchColour(), Rgb(0, 0, 255));
    return true;
  });
  f.doc.EditSelectedMarker();
  const KMarker& m = f.a->markers.items[1];
  EXPECT_EQ(m.trace, 123);
  EXPECT_EQ(m.sample, 9);
  EXPECT_EQ(m.type, 3);
  EXPECT_EQ(f.host.list.RowTexts(1), (MarkerListModel::Row{" a.rd3", " 3", " 123", " 9", " cable"}));
}

TEST(MarkerOperationsTest, TheEditDialogRefusesTracesAndSamplesOutOfRange) {
  struct Case {
    int trace;
    int sample;
    const char* message;  // none: accepted
  };
  const Case cases[] = {{-1, 5, "Trace or sample number is negative!"},
                        {5, -1, "Trace or sample number is negative!"},
                        {400, 5, "Trace or sample number is greater than maximum value!"},
                        {5, 64, "Trace or sample number is greater than maximum value!"},
                        {399, 63, nullptr}};
  for (const auto& c : cases) {
    testing::TestApp app;
    CMrkDlg dialog;
    dialog.traceCount = 400;
    dialog.sampleCount = 64;
    dialog.trace = c.trace;
    dialog.sample = c.sample;
    EXPECT_EQ(dialog.OnOK(), c.message == nullptr);
    if (c.message) {
      ASSERT_EQ(app.ui.messages.size(), 1u);
      EXPECT_EQ(app.ui.messages[0].text, c.message);
      EXPECT_EQ(app.ui.messages[0].caption, "ERROR");
      EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Error);
    } else {
      EXPECT_TRUE(app.ui.messages.empty());
    }
  }
}

TEST(MarkerOperationsTest, TheCoordinateTextGivesPositionAndDepth) {
  testing::InteractionFixture f;
  auto& baseline = f.AddBaseline(0, "a", 64, 400, 10.0);
  KMarker marker;
  marker.trace = 0;
  marker.sample = 10;
  f.app.settings().Velocity = 100;
  // 10 samples at 0.1 ns and 100 m/µs, halved for the way back: 5 cm down.
  const std::string text = MarkerCoordinate(baseline, marker);
  EXPECT_EQ(text.substr(text.find("Y:")), "Y:10.00     Z:0.05      m") << text;

  auto& gps = f.AddGps(1, 10);
  EXPECT_EQ(MarkerCoordinate(gps, marker), "0\u00b000'00'' / 0\u00b000'00'' Depth:0.00 m") << "no sampling step";
  gps.header.systemCalibration = 0.0001;
  gps.header.frequencySteps = 1;
  for (int trace : {0, 9}) gps.coords.push_back(std::make_unique<CCoord>(CCoord{trace, 51.5, -3.75, 0}));
  EXPECT_EQ(MarkerCoordinate(gps, marker), "-3\u00b045'00'' / 51\u00b030'00'' Depth:0.05 m");
}

TEST(MarkerOperationsTest, TheExportChoiceListsEveryTypeWithItsColour) {
  testing::TestApp app;
  app.settings().markerTypeNames[0] = "Void";
  app.settings().markerTypeNames[2] = std::string(60, 'x');
  const auto entries = CMarkExport::Entries();
  ASSERT_EQ(entries.size(), 14u);
  EXPECT_EQ(entries[0].label, "Void");
  EXPECT_EQ(entries[1].label, "Type 2");
  EXPECT_EQ(entries[2].label.size(), 50u);
  EXPECT_EQ(entries[13].colour, Rgb(255, 0, 255));
  EXPECT_EQ(CMarkExport{}.selected, 0);
}

}  // namespace
}  // namespace tarvix
