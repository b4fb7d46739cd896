#include "profileview/ProfileViewInteraction.h"

#include <gtest/gtest.h>

#include "InteractionFixture.h"

namespace tarvix {
namespace {

using testing::InteractionFixture;

std::vector<int> TracesOf(const KRadarProfile& profile) {
  std::vector<int> traces;
  for (const auto& m : profile.markers.items) traces.push_back(m.trace);
  return traces;
}

TEST(ProfileViewInteractionTest, ClickingWithAMarkerToolInsertsAtTheTraceUnderTheMouse) {
  struct Case {
    bool forward;
    int shift;
    int column;  // image column clicked, first column 0
    int expectedTrace;
  };
  const Case cases[] = {{true, -300, 350, 50}, {false, 0, 100, 899}, {true, 0, 0, 0}};
  for (const auto& c : cases) {
    InteractionFixture f;
    auto& profile = f.AddBaseline(0, "DAT_0001", 64, 1000, 0, c.forward);
    f.Show(620, 400);
    ASSERT_EQ(f.view.Displayed().front().forward, c.forward);
    f.doc.state.profileShift[0][0] = c.shift;
    f.doc.state.firstColumn = 0;
    f.interaction.OnMarkerTool(3);
    const Point p{50 + c.column, 50 + 20};
    f.interaction.OnLButtonDown(p, {});
    f.interaction.OnLButtonUp(p);
    ASSERT_EQ(profile.markers.items.size(), 1u) << c.column;
    const KMarker& m = profile.markers.items.front();
    EXPECT_EQ(m.trace, c.expectedTrace);
    EXPECT_EQ(m.sample, 20);
    EXPECT_EQ(m.type, 2);
    EXPECT_EQ(m.visible, 1);
    EXPECT_TRUE(f.doc.IsModified());
    EXPECT_EQ(f.SelectedRows(), std::vector<int>{0});
    EXPECT_EQ(f.host.list.RowCount(), 1);
  }
}

TEST(ProfileViewInteractionTest, DraggingAMarkerToolInsertsOnEveryTwentiethTraceAndBeepsOutside) {
  InteractionFixture f;
  auto& profile = f.AddBaseline(0, "a", 64, 120);
  f.Show(620, 400);
  f.interaction.OnMarkerTool(1);
  f.interaction.OnLButtonDown(f.At(0, 10), {});
  for (int column = 1; column <= 100; ++column) f.interaction.OnMouseMove(f.At(column, 10));
  EXPECT_EQ(TracesOf(profile), (std::vector<int>{0, 20, 40, 60, 80, 100}));
  // The same column again inserts again; beyond the profile's end every move beeps instead.
  f.interaction.OnMouseMove(f.At(40, 12));
  EXPECT_EQ(profile.markers.items.size(), 7u);
  f.interaction.OnMouseMove(f.At(140, 12));
  f.interaction.OnMouseMove(f.At(160, 12));
  EXPECT_EQ(f.app.ui.beeps, 2);
  EXPECT_EQ(profile.markers.items.size(), 7u);
  f.interaction.OnLButtonUp(f.At(160, 12));
  f.interaction.OnMouseMove(f.At(60, 12));
  EXPECT_EQ(profile.markers.items.size(), 7u) << "the button is up";
}

TEST(ProfileViewInteractionTest, ClicksSelectTheMarkerHitAndCtrlKeepsTheOthers) {
  InteractionFixture f;
  auto& profile = f.AddBaseline(0, "a", 64, 400);
  f.AddMarker(profile, 100, 20, 1);
  f.AddMarker(profile, 200, 30, 2);
  f.Show(620, 400);
  struct Step {
    Point at;
    bool ctrl;
    std::vector<int> selected;
  };
  const Step steps[] = {
      {f.At(100, 20), false, {0}},
      {f.At(207, 37), true, {0, 1}},  // the hit box reaches 7 pixels right and down
      {f.At(300, 5), false, {}},
      {f.At(92, 12), false, {0}},  // left and top edges belong to the box
      {f.At(208, 30), false, {}},  // the right edge does not
      {f.At(200, 30), false, {1}},
      {f.At(100, 20), true, {0, 1}},
      {f.At(200, 30), false, {0, 1}},  // a press on a selected marker drags the selection as it is
  };
  for (const auto& s : steps) {
    f.Click(s.at, {s.ctrl, false});
    EXPECT_EQ(f.SelectedRows(), s.selected) << s.at.x << "," << s.at.y;
  }
  EXPECT_EQ(profile.markers.items[0].trace, 100);
  EXPECT_EQ(profile.markers.items[1].trace, 200);
}

TEST(ProfileViewInteractionTest, ADraggedMarkerStaysWithinTheVisibleTracesAndSamples) {
  struct Case {
    int dx;
    int dy;
    int trace;
    int sample;
  };
  // First column 100 of a 500-column image: the visible traces are 100..600.
  const Case cases[] = {
      {+250, +5, 550, 15}, {+400, 0, 300, 10}, {-250, 0, 100, 10}, {0, -50, 300, 0}, {+10, +500, 310, 62}};
  for (const auto& c : cases) {
    InteractionFixture f;
    auto& profile = f.AddBaseline(0, "a", 64, 1000);
    f.AddMarker(profile, 300, 10, 1);
    f.Show(620, 400);
    f.doc.state.firstColumn = 100;
    const Point from = f.At(300, 10);
    const Point to{from.x + c.dx, from.y + c.dy};
    EXPECT_TRUE(f.interaction.OnLButtonDown(from, {}).capture.value_or(false));
    f.interaction.OnMouseMove(to);
    const ViewResponse up = f.interaction.OnLButtonUp(to);
    EXPECT_EQ(up.capture, std::optional<bool>(false));
    EXPECT_EQ(profile.markers.items[0].trace, c.trace) << c.dx;
    EXPECT_EQ(profile.markers.items[0].sample, c.sample) << c.dy;
    EXPECT_EQ(f.host.list.RowTexts(0)[2], " " + std::to_string(c.trace));
    EXPECT_TRUE(f.doc.IsModified());
  }
}

TEST(ProfileViewInteractionTest, HoveringAMarkerOfAnotherBandDragsItWithinItsOwnProfile) {
  InteractionFixture f;
  auto& top = f.AddBaseline(0, "a", 64, 1000);
  auto& bottom = f.AddBaseline(0, "b", 64, 50);
  f.AddMarker(top, 40, 10, 1);
  f.AddMarker(bottom, 10, 10, 1);
  f.Show(620, 400);
  f.Click(f.At(40, 10, 0));
  f.Click(f.At(10, 10, 1), {true, false});
  ASSERT_EQ(f.SelectedRows(), (std::vector<int>{0, 1}));
  // Back over the first band's marker: the drag must use its profile, not the last clicked one.
  f.interaction.OnMouseMove(f.At(40, 10, 0));
  ASSERT_TRUE(f.interaction.OverSelectedMarker());
  f.interaction.OnLButtonDown(f.At(40, 10, 0), {});
  f.interaction.OnMouseMove(f.At(140, 10, 0));
  f.interaction.OnLButtonUp(f.At(140, 10, 0));
  EXPECT_EQ(top.markers.items[0].trace, 140);
  EXPECT_EQ(bottom.markers.items[0].trace, 10);
}

TEST(ProfileViewInteractionTest, MovesThatOnlyChangeTheOverlayLeaveTheRadargramAlone) {
  InteractionFixture f;
  auto& profile = f.AddBaseline(0, "a", 64, 400);
  f.AddMarker(profile, 100, 20, 1);
  f.Show(620, 400);
  f.interaction.OnHyperbolaTool();
  f.window.invalidations = 0;
  for (int x = 60; x < 300; x += 7) EXPECT_TRUE(f.interaction.OnMouseMove(f.At(x, 30)).overlay);
  EXPECT_EQ(f.interaction.CurrentHyperbola()->apex, f.At(298, 30));
  EXPECT_EQ(f.window.invalidations, 0);
  f.interaction.OnHyperbolaTool();

  f.interaction.OnLButtonDown(f.At(100, 20), {});
  f.window.invalidations = 0;
  for (int x = 100; x < 200; x += 5) EXPECT_TRUE(f.interaction.OnMouseMove(f.At(x, 20)).overlay);
  EXPECT_EQ(f.window.invalidations, 0);
  f.interaction.OnLButtonUp(f.At(195, 20));
  EXPECT_GT(f.window.invalidations, 0);
}

TEST(ProfileViewInteractionTest, TheFirstArrivalLineFollowsTheMouseWithFeedbackLines) {
  InteractionFixture f;
  f.AddBaseline(0, "a", 64, 400);
  f.Show(620, 400);
  f.app.settings().ZeroLevel = 12;
  const Point handle{20, 50 + 14};  // left margin, 2 pixels below the first arrival
  EXPECT_EQ(f.interaction.OnMouseMove(handle).cursor, ViewCursor::SizeNorthSouth);
  EXPECT_EQ(f.interaction.OnMouseMove({20, 50 + 17}).cursor, ViewCursor::Arrow);
  f.interaction.OnMouseMove(handle);
  f.interaction.OnLButtonDown(handle, {});
  f.interaction.OnMouseMove({22, 50 + 24});
  f.interaction.OnMouseMove({22, 50 - 16});
  EXPECT_EQ(f.app.settings().ZeroLevel, -18) << "no limit";
  testing::RecordingCanvas overlay;
  f.interaction.DrawOverlay(overlay);
  // One strip per band at the first arrival before the last move, across the image.
  const auto inverted = overlay.CallsOf(testing::RecordingCanvas::Op::InvertRect);
  ASSERT_EQ(inverted.size(), 1u);
  EXPECT_EQ(inverted[0].rect, (Rect{50, 72, 450, 73}));
  f.interaction.OnLButtonUp({22, 50 - 16});
  EXPECT_FALSE(f.interaction.DraggingFirstArrival());
}

TEST(ProfileViewInteractionTest, ArrowKeysTuneTheHyperbolaWithinItsLimits) {
  struct Case {
    ViewKey key;
    bool shift;
    int presses;
    float velocity;
    float radius;
  };
  const Case cases[] = {{ViewKey::Right, false, 250, 300, 0},
                        {ViewKey::Left, false, 150, 0, 0},
                        {ViewKey::Left, true, 3, 100, 0},
                        {ViewKey::Right, true, 1000, 100, 100}};
  for (const auto& c : cases) {
    InteractionFixture f;
    f.AddBaseline(0, "a", 64, 400);
    f.Show(620, 400);
    f.app.settings().Velocity = 100;
    f.interaction.OnHyperbolaTool();
    const int firstColumn = f.doc.state.firstColumn;
    for (int i = 0; i < c.presses; ++i) f.interaction.OnKeyDown(c.key, {false, c.shift});
    EXPECT_FLOAT_EQ(f.interaction.CurrentHyperbola()->velocity, c.velocity);
    EXPECT_NEAR(f.interaction.CurrentHyperbola()->radius, c.radius, 0.01);
    EXPECT_EQ(f.doc.state.firstColumn, firstColumn);
  }
}

TEST(ProfileViewInteractionTest, WheelAndKeysScrollWithinTheBars) {
  struct Case {
    int startColumn;
    int wheel;
    int expected;
  };
  // 2000 traces in a 500-column image: columns 0..1500.
  const Case cases[] = {{0, 120, 120}, {300, -120, 180}, {100, -240, 0}, {1450, 120, 1500}};
  for (const auto& c : cases) {
    InteractionFixture f;
    f.AddBaseline(0, "a", 64, 2000);
    f.Show(620, 400);
    f.doc.state.firstColumn = c.startColumn;
    EXPECT_EQ(f.interaction.OnMouseWheel(c.wheel).scrolled, c.startColumn != c.expected);
    EXPECT_EQ(f.doc.state.firstColumn, c.expected) << c.startColumn << " " << c.wheel;
  }
  InteractionFixture f;
  f.AddBaseline(0, "a", 64, 2000);
  f.Show(620, 400);
  f.interaction.OnKeyDown(ViewKey::Right, {});
  f.interaction.OnKeyDown(ViewKey::Right, {});
  f.interaction.OnKeyDown(ViewKey::Left, {});
  EXPECT_EQ(f.doc.state.firstColumn, 10);
}

TEST(ProfileViewInteractionTest, CtrlGGoesTenKilometresOfTracesInUnlessTheIntervalIsUnknown) {
  struct Case {
    double interval;
    int expected;
  };
  const Case cases[] = {{50.0, 200}, {40.0, 250}, {0.0, 30}};
  for (const auto& c : cases) {
    InteractionFixture f;
    auto& profile = f.AddBaseline(0, "a", 64, 2000);
    f.Show(620, 400);
    f.doc.state.firstColumn = 30;
    profile.header.distanceInterval = c.interval;
    f.interaction.OnGoTo();
    EXPECT_EQ(f.doc.state.firstColumn, c.expected) << c.interval;
  }
}

TEST(ProfileViewInteractionTest, StatusPanesNameTheProfileAndTheTraceUnderTheMouse) {
  struct Case {
    bool forward;
    bool wide;
    int column;
    const char* profileText;
    const char* traceText;
  };
  const Case cases[] = {{true, false, 30, "Profile: DAT_0001.rd3  (16 bits)", "Trace: 30   Sample: 7"},
                        {false, true, 30, "Profile: DAT_0001.rd7  (32 bits)", "Trace: 169   Sample: 7"},
                        {true, false, 250, "Profile: DAT_0001.rd3  (16 bits)", " "}};
  for (const auto& c : cases) {
    InteractionFixture f;
    f.app.context.is32BitData = c.wide;
    f.AddBaseline(0, "DAT_0001", 64, 200, 0, c.forward);
    f.AddBaseline(0, "DAT_0002", 64, 400, 0, true);
    f.Show(620, 400);
    f.doc.state.profileShift[0][0] = 0;
    f.interaction.OnMouseMove(f.At(c.column, 7));
    EXPECT_EQ(f.interaction.ProfilePaneText(), c.profileText);
    EXPECT_EQ(f.interaction.TracePaneText(), c.traceText);
  }
  InteractionFixture f;
  f.AddBaseline(0, "a", 64, 200);
  f.Show(620, 400);
  f.app.settings().Velocity = 98.5;
  f.interaction.OnHyperbolaTool();
  EXPECT_EQ(f.interaction.ProfilePaneText(), "Velocity: 98.50 m/\u00b5s  Radius:  0.00 m");
}

TEST(ProfileViewInteractionTest, TheRadargramMenuEnablesWhatApplies) {
  InteractionFixture f;
  f.app.settings().markerTypeNames[1] = "Pipe";
  auto& top = f.AddBaseline(0, "a", 64, 400);
  f.AddBaseline(0, "b", 64, 200);
  f.AddMarker(top, 100, 20, 5);
  f.Show(620, 400);
  f.doc.state.profileShift[0][1] = 0;

  PopupMenu menu = f.interaction.OnContextMenu(f.At(300, 10, 1), {});
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[0].text, "Insert marker");
  EXPECT_FALSE(menu[0].enabled) << "past the second profile's end";
  ASSERT_EQ(menu[0].submenu.size(), 7u);
  EXPECT_EQ(menu[0].submenu[0].text, "Marker 1");
  EXPECT_EQ(menu[0].submenu[1].text, "Pipe");
  EXPECT_EQ(menu[0].submenu[6].id, 16);
  EXPECT_FALSE(menu[1].enabled);
  EXPECT_FALSE(menu[2].enabled);
  EXPECT_TRUE(menu[3].IsSeparator());
  EXPECT_EQ(menu[4].text, "Filters");
  EXPECT_EQ(menu[5].text, "Order for baseline profiles");
  EXPECT_TRUE(menu[5].submenu[0].checked);
  EXPECT_FALSE(menu[5].submenu[1].checked);

  menu = f.interaction.OnContextMenu(f.At(100, 20, 0), {});
  EXPECT_TRUE(menu[0].enabled);
  EXPECT_TRUE(menu[1].enabled) << "the marker under the mouse is selected";
  EXPECT_EQ(f.SelectedRows(), std::vector<int>{0});
  f.interaction.OnMenuCommand(11);
  ASSERT_EQ(top.markers.items.size(), 2u);
  EXPECT_EQ(top.markers.items[1].type, 1);
  EXPECT_EQ(top.markers.items[1].trace, 100);

  f.interaction.OnMenuCommand(ProfileViewInteraction::kFromBaselineEnd);
  EXPECT_TRUE(f.doc.state.baselineOrderFromEnd);
  menu = f.interaction.OnContextMenu({10, 10}, {});
  EXPECT_TRUE(menu.empty()) << "outside the image";
}

TEST(ProfileViewInteractionTest, AGpsProjectOffersProjectionAndAlignment) {
  InteractionFixture f;
  f.AddBaseline(0, "a", 64, 400);
  f.Show(620, 400);
  f.doc.project.version = 2;
  auto menu = f.interaction.OnContextMenu(f.At(10, 10), {});
  ASSERT_EQ(menu.size(), 7u);
  EXPECT_EQ(menu[5].text, "Direction for GPS profiles");
  EXPECT_EQ(menu[6].text, "Horizontal alignment for GPS profiles");
  f.interaction.OnMenuCommand(ProfileViewInteraction::kVerticalProjection);
  f.interaction.OnMenuCommand(ProfileViewInteraction::kAlignRight);
  menu = f.interaction.OnContextMenu(f.At(10, 10), {});
  EXPECT_TRUE(menu[5].submenu[1].checked);
  EXPECT_FALSE(menu[5].submenu[0].checked);
  EXPECT_TRUE(menu[6].submenu[1].checked);
}

TEST(ProfileViewInteractionTest, TheHyperbolaMenuHandsOneParameterToTheRemoteControl) {
  InteractionFixture f;
  f.AddBaseline(0, "a", 64, 400);
  f.Show(620, 400);
  f.app.settings().Velocity = 110;
  f.interaction.OnHyperbolaTool();
  auto menu = f.interaction.OnContextMenu(f.At(10, 10), {});
  ASSERT_EQ(menu.size(), 6u);
  EXPECT_EQ(menu[2].text, "Change raduis");
  EXPECT_TRUE(menu[4].IsSeparator());

  RemoteControlModel remote;
  f.interaction.OnMenuCommand(ProfileViewInteraction::kChangeVelocity);
  f.interaction.OnKeyDown(ViewKey::Right, {false, true});  // radius 0.1 … 2.5
  for (int i = 0; i < 24; ++i) f.interaction.OnKeyDown(ViewKey::Right, {false, true});
  f.interaction.OnMenuCommand(ProfileViewInteraction::kChangeRadius);
  EXPECT_EQ(f.interaction.HyperbolaParameter(), 2);
  remote.SetRemoteMode(2, 2);
  EXPECT_TRUE(f.interaction.OnRemotePosition(remote, 25).overlay);
  EXPECT_FLOAT_EQ(f.interaction.CurrentHyperbola()->radius, 2.5f);
  menu = f.interaction.OnContextMenu(f.At(10, 10), {});
  EXPECT_TRUE(menu[2].checked);
  EXPECT_FALSE(menu[1].checked);
  f.interaction.OnMenuCommand(ProfileViewInteraction::kChangeRadius);
  f.interaction.OnMenuCommand(ProfileViewInteraction::kSetVelocity);
  // Arming a marker tool leaves the hyperbola tool and hides the bar.
  f.interaction.OnMarkerTool(2);
  EXPECT_FALSE(f.interaction.HyperbolaMode());
  using Call = testing::RecordingRemote::Call;
  EXPECT_EQ(f.remote.calls, (std::vector<Call>{{110, 1}, {2, 2}, {2, 0}, {0, 0}}));
  EXPECT_DOUBLE_EQ(f.app.settings().Velocity, 110);
}

TEST(ProfileViewInteractionTest, DeleteAsksAndRemovesTheSelectedMarker) {
  InteractionFixture f;
  auto& profile = f.AddBaseline(0, "a", 64, 400);
  f.AddMarker(profile, 100, 20, 1);
  f.Show(620, 400);
  f.interaction.OnKeyDown(ViewKey::Delete, {});
  EXPECT_TRUE(f.app.ui.messages.empty()) << "nothing selected";
  f.Click(f.At(100, 20));
  f.app.ui.Answer(MessageAnswer::Yes);
  f.interaction.OnKeyDown(ViewKey::Delete, {});
  EXPECT_EQ(f.app.ui.MessageTexts(), std::vector<std::string>{"Do you want to delete the marker?"});
  EXPECT_TRUE(profile.markers.items.empty());
  EXPECT_EQ(f.host.list.RowCount(), 0);
}

}  // namespace
}  // namespace tarvix
