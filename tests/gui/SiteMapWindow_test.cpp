#include <gtest/gtest.h>

#include <QMdiSubWindow>
#include <QSettings>
#include <QTest>
#include <QToolBar>
#include <memory>

#include "DemoSurvey.h"
#include "app/CTarvixApp.h"
#include "document/CTarvixDoc.h"
#include "gui/CMainFrame.h"
#include "gui/CMapFrame.h"
#include "gui/CMapViewWidget.h"
#include "gui/CWallFrame.h"
#include "gui/TarvixProgram.h"
#include "model/KRadarProfile.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::TempDir;

// The program over a settings folder of its own, with one of the demo projects open.
class SiteMapWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings_.Path().string()));
    ASSERT_TRUE(demo::WriteDemoSurveyOnItsOwn(folder_));
    program_ = std::make_unique<TarvixProgram>(TarvixProgram::Options{false, {}});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&program_->MainFrame()));
  }

  CTarvixDoc& Open(const char* project) {
    EXPECT_TRUE(program_->Application().OpenDocumentFile(folder_ + project));
    EXPECT_NE(program_->Application().Document(), nullptr);
    return *program_->Application().Document();
  }

  CMapViewWidget* Map() {
    for (QMdiSubWindow* window : program_->MainFrame().Wall().subWindowList())
      if (auto* frame = qobject_cast<CMapFrame*>(window)) return frame->ViewWidget();
    return nullptr;
  }

  TempDir settings_;
  TempDir survey_;
  std::string folder_ = survey_.Path().string() + "/";
  std::unique_ptr<TarvixProgram> program_;
};

TEST_F(SiteMapWindowTest, ClickingAProfileOnTheMapMakesItTheFirstShownProfile) {
  CTarvixDoc& doc = Open(demo::kDemoBaselineProject);
  CMapViewWidget* map = Map();
  ASSERT_NE(map, nullptr) << "the site map opens beside the profile view";
  ASSERT_EQ(doc.state.firstProfile, 0);

  // A point of the third profile of the first baseline, away from the baseline itself.
  const KRadarProfile& third = *doc.project.sets[0]->profiles[2];
  const Point onProfile = map->View().WorldToScreen(third.GetTracePosition(400));
  ASSERT_TRUE(map->rect().contains(onProfile.x, onProfile.y));
  QTest::mouseClick(map, Qt::LeftButton, {}, QPoint(onProfile.x, onProfile.y));
  EXPECT_EQ(doc.state.currentSet, 0);
  EXPECT_EQ(doc.state.firstProfile, 2);
  EXPECT_EQ(doc.state.selectedProfile, 2);
}

TEST_F(SiteMapWindowTest, GpsTracksAreScaledInDegreesAndSwitchToUtm) {
  Open(demo::kDemoGpsProject);
  CMapViewWidget* map = Map();
  ASSERT_NE(map, nullptr);
  map->grab();  // paints now, shown or not
  EXPECT_EQ(map->View().axes.mode, AxisMode::Geographic);
  EXPECT_NE(map->View().axes.yLabels.front().find("55\u00B0"), std::string::npos) << map->View().axes.yLabels.front();

  // The tool bar's UTM button, as the surveyor presses it.
  QAction* utm = nullptr;
  for (QAction* action : map->parentWidget()->findChild<QToolBar*>(QStringLiteral("mapToolBar"))->actions())
    if (action->toolTip() == QStringLiteral("UTM coord/Lat:Long")) utm = action;
  ASSERT_NE(utm, nullptr);
  utm->trigger();
  map->grab();  // paints now, shown or not
  EXPECT_TRUE(map->View().utmDisplay);
  EXPECT_EQ(map->View().axes.mode, AxisMode::Utm);
  EXPECT_EQ(map->View().axes.xTitle, "UTM Zone: 33U   Easting");
  EXPECT_EQ(map->View().axes.yTitle, "Northing");
}

}  // namespace
}  // namespace tarvix
