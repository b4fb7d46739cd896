#include "app/CMyPropertySheet.h"

#include <gtest/gtest.h>

#include "support/TestApp.h"

namespace tarvix {
namespace {

using testing::TestApp;

TEST(CMyPropertySheetTest, VelocityIsShownAndCheckedInTheDisplayUnit) {
  struct Case {
    int units;
    double shown;
    const char* unit;
    double entered;
    bool accepted;
    double stored;  // metres per microsecond, when accepted
    const char* message;
  };
  const Case cases[] = {
      {1, 328.08, "ft/µs", 984.25, true, 300.0, nullptr},
      {1, 328.08, "ft/µs", 985, false, 0, "Wrong velocity! Correct value is <= 984.3"},
      {1, 328.08, "ft/µs", 328.08, true, 100.0, nullptr},
      {0, 100.0, "m/µs", 300, true, 300.0, nullptr},
      {0, 100.0, "m/µs", 123.456, true, 123.456, nullptr},
      {0, 100.0, "m/µs", 0, false, 0, "Wrong velocity! Correct value is <= 300.0"},
      {0, 100.0, "m/µs", -5, false, 0, "Wrong velocity! Correct value is <= 300.0"},
  };
  for (const auto& c : cases) {
    TestApp app;
    app.settings().Units = c.units;
    CMyPropertySheet sheet;
    sheet.general.units = c.units;
    sheet.profiles.velocity = 100.0;
    sheet.Open();
    ASSERT_TRUE(sheet.SelectPage(1));
    EXPECT_DOUBLE_EQ(sheet.profiles.velocity, c.shown) << c.entered;
    EXPECT_EQ(sheet.profiles.velocityUnit, c.unit);
    sheet.profiles.velocity = c.entered;
    EXPECT_EQ(sheet.PressOk(), c.accepted) << c.entered;
    if (c.accepted) {
      EXPECT_TRUE(app.ui.messages.empty());
      EXPECT_DOUBLE_EQ(sheet.profiles.velocity, c.stored) << c.entered;
      continue;
    }
    ASSERT_EQ(app.ui.messages.size(), 1u);
    EXPECT_EQ(app.ui.messages[0].text, c.message);
    EXPECT_EQ(app.ui.messages[0].caption, "ERROR");
    EXPECT_EQ(app.ui.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(sheet.profiles.velocity, c.entered);  // still shown as entered
    EXPECT_FALSE(sheet.SelectPage(2));
    EXPECT_EQ(sheet.ActivePage(), 1);
  }
}

TEST(CMyPropertySheetTest, MaximumNumberOfProfilesIsOneToTen) {
  struct Case {
    int entered;
    bool accepted;
  };
  for (const auto& c : {Case{0, false}, Case{1, true}, Case{10, true}, Case{11, false}}) {
    TestApp app;
    CMyPropertySheet sheet;
    sheet.Open();
    sheet.SelectPage(1);
    sheet.profiles.maxProfile = c.entered;
    EXPECT_EQ(sheet.SelectPage(0), c.accepted) << c.entered;
    EXPECT_EQ(app.ui.MessageTexts(),
              c.accepted ? std::vector<std::string>{}
                         : std::vector<std::string>{"Wrong maximum number of profiles! \nCorrect value is 1 - 10"});
  }
  CMyPropertyPage1 page;
  const std::pair<int, int> steps[] = {{9, 5}, {2, -5}, {4, 1}, {0, 1}};
  const int results[] = {10, 1, 5, 1};
  for (std::size_t i = 0; i < std::size(steps); ++i) {
    page.maxProfile = steps[i].first;
    page.StepMaxProfile(steps[i].second);
    EXPECT_EQ(page.maxProfile, results[i]) << i;
  }
}

TEST(CMyPropertySheetTest, ARefusedPageKeepsShowingItsUnitUntilItPasses) {
  TestApp app;
  app.settings().Units = 1;
  CMyPropertySheet sheet;
  sheet.general.units = 1;
  sheet.Open();
  sheet.SelectPage(1);
  sheet.profiles.velocity = 984.25;
  sheet.profiles.maxProfile = 0;
  EXPECT_FALSE(sheet.PressOk());
  EXPECT_EQ(sheet.profiles.velocity, 984.25);
  sheet.profiles.velocity = 0;  // both wrong: the velocity is named first
  EXPECT_FALSE(sheet.PressOk());
  sheet.profiles.velocity = 984.25;
  sheet.profiles.maxProfile = 10;
  EXPECT_TRUE(sheet.PressOk());
  EXPECT_DOUBLE_EQ(sheet.profiles.velocity, 300.0);
  EXPECT_EQ(app.ui.MessageTexts(), (std::vector<std::string>{"Wrong maximum number of profiles! \nCorrect value is 1 - 10",
                                                             "Wrong velocity! Correct value is <= 984.3"}));
}

TEST(CMyPropertySheetTest, TheGeneralUnitAppliesWhileOpenAndCancelPutsItBack) {
  for (const bool cancel : {true, false}) {
    TestApp app;
    CMyPropertySheet sheet;
    sheet.profiles.velocity = 100.0;
    sheet.Open();
    sheet.general.units = 1;
    ASSERT_TRUE(sheet.SelectPage(1));
    EXPECT_EQ(app.settings().Units, 1);
    EXPECT_EQ(sheet.profiles.velocityUnit, "ft/µs");
    EXPECT_DOUBLE_EQ(sheet.profiles.velocity, 328.08);
    // Back to metres: the page converts back on leaving and shows metres again.
    ASSERT_TRUE(sheet.SelectPage(0));
    sheet.general.units = 0;
    ASSERT_TRUE(sheet.SelectPage(1));
    EXPECT_EQ(sheet.profiles.velocityUnit, "m/µs");
    EXPECT_DOUBLE_EQ(sheet.profiles.velocity, 100.0);
    sheet.SelectPage(0);
    sheet.general.units = 1;
    sheet.SelectPage(2);
    if (cancel) {
      sheet.OnCancel();
      EXPECT_EQ(app.settings().Units, 0);
    } else {
      EXPECT_TRUE(sheet.PressOk());
      EXPECT_EQ(app.settings().Units, 1);
    }
  }
}

}  // namespace
}  // namespace tarvix
