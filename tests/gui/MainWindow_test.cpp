#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <memory>

#include "DemoSurvey.h"
#include "ModalScript.h"
#include "app/CTarvixApp.h"
#include "document/CTarvixDoc.h"
#include "document/Commands.h"
#include "document/MainMenu.h"
#include "gui/CAboutDlg.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CMapFrame.h"
#include "gui/CMapViewWidget.h"
#include "gui/CMarkerControl.h"
#include "gui/CMyPropertyPageWidget.h"
#include "gui/CMyPropertySheetDialog.h"
#include "gui/CRemoteControl.h"
#include "gui/CSlideToolBar.h"
#include "gui/CSplashWnd.h"
#include "gui/CTarvixViewWidget.h"
#include "gui/CWallFrame.h"
#include "gui/TarvixProgram.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::As;
using testing::ModalScript;
using testing::TempDir;

QStringList MenuTitles(const CMainFrame& frame) {
  QStringList titles;
  for (const QAction* menu : frame.menuBar()->actions()) titles << menu->text();
  return titles;
}

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The program over a settings folder of its own, with the demo survey beside it.
class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings_.Path().string()));
    Start();
  }
  void TearDown() override { program_.reset(); }

  void Start() {
    program_.reset();
    program_ = std::make_unique<TarvixProgram>(TarvixProgram::Options{false, {}});
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    Frame().activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(&Frame()));
  }
  CMainFrame& Frame() { return program_->MainFrame(); }
  CTarvixApp& Application() { return program_->Application(); }

  // Opens the demo baseline project as a file association would.
  CTarvixDoc& OpenDemo() {
    const std::string folder = survey_.Path().string() + "/";
    if (!std::filesystem::exists(folder + demo::kDemoBaselineProject)) {
      EXPECT_TRUE(demo::WriteDemoSurvey(folder));
    }
    EXPECT_TRUE(Application().OpenDocumentFile(folder + demo::kDemoBaselineProject));
    Frame().UpdateCommandUI();
    EXPECT_NE(Application().Document(), nullptr);
    return *Application().Document();
  }

  CTarvixViewWidget& View() { return Frame().ProfileFrame()->ViewWidget(); }
  // The client area painted now.
  const QImage& Painted() {
    View().repaint();
    return View().Frame();
  }

  TempDir settings_;
  TempDir survey_;
  std::unique_ptr<TarvixProgram> program_;
};

TEST_F(MainWindowTest, StartsWithNoProjectOnThePaintedBackground) {
  EXPECT_EQ(Application().Document(), nullptr);
  EXPECT_EQ(MenuTitles(Frame()), (QStringList{QStringLiteral("&File"), QStringLiteral("&View"),
                                              QStringLiteral("&Tools"), QStringLiteral("&Help")}));
  EXPECT_TRUE(Frame().ActionsOf(command::kClose).empty());
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("BHG Tarvix"));
  EXPECT_EQ(Frame().Pane(CMainFrame::kPaneProfile).text(), QStringLiteral(" (32 bits)"));
  EXPECT_TRUE(Frame().Wall().subWindowList().isEmpty());

  const QImage wall = Frame().Wall().viewport()->grab().toImage();
  EXPECT_EQ(Pixel(wall, 1, 1), CWallFrame::kBackground & 0xFFFFFF);
  // The picture sits in the middle.
  bool pictureInTheMiddle = false;
  for (int x = wall.width() / 2 - 150; x < wall.width() / 2 + 150 && !pictureInTheMiddle; ++x)
    pictureInTheMiddle = Pixel(wall, x, wall.height() / 2) != (CWallFrame::kBackground & 0xFFFFFF);
  EXPECT_TRUE(pictureInTheMiddle);
}

TEST_F(MainWindowTest, TheDemoProjectShowsItsRadargramWithCrossingLineAndAxes) {
  CTarvixDoc& doc = OpenDemo();
  CChildFrame* frame = Frame().ProfileFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(frame->windowTitle(), QStringLiteral("GPR Profiles"));
  EXPECT_EQ(Frame().Wall().activeSubWindow(), frame);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("BHG Tarvix - demo-baseline.tvx "));
  // The site map comes up beside it on a first run.
  EXPECT_EQ(doc.mapShown, 1);

  // Scroll so that the crossing lies 100 columns into the image.
  const int crossing = doc.state.crossingColumn.at(static_cast<std::size_t>(doc.state.currentSet));
  doc.state.firstColumn = crossing - 100;
  View().View().SetupScrollBars();
  const QImage& image = Painted();
  const int w = doc.state.imageWidth;
  ASSERT_GT(w, 200);

  int red = 0, grey = 0;
  for (int y = 60; y < 200; ++y) {
    for (int x = 148; x <= 151; ++x) red += Pixel(image, x, y) == 0xFF0000 ? 1 : 0;
    const QRgb sample = Pixel(image, 50 + 20, y);
    grey += sample != 0xFFFFFF && qRed(sample) == qGreen(sample) && qGreen(sample) == qBlue(sample) ? 1 : 0;
  }
  EXPECT_GE(red, 140 * 2) << "a line 2 pixels wide at the crossing column";
  EXPECT_GT(grey, 100) << "the radargram in the grey palette";
  // Tick labels left of the image, the title above it.
  int dark = 0;
  for (int y = 50; y < 300; ++y)
    for (int x = 0; x < 48; ++x) dark += qGray(image.pixel(x, y)) < 100 ? 1 : 0;
  EXPECT_GT(dark, 20);
}

TEST_F(MainWindowTest, TheGainSliderChangesThePixels) {
  OpenDemo();
  const QImage before = Painted().copy();
  QSlider* slider = Frame().ProfileFrame()->ToolBar().GainSlider();
  EXPECT_EQ(slider->value(), 1);
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 80);
  slider->setValue(40);
  EXPECT_FLOAT_EQ(App().settings.Palette.gain, 40.0f);
  EXPECT_NE(Painted(), before);
}

TEST_F(MainWindowTest, TheSiteMapFrameShowsThePlanAndZooms) {
  OpenDemo();
  CMapFrame* map = nullptr;
  for (QMdiSubWindow* window : Frame().Wall().subWindowList())
    if (auto* frame = qobject_cast<CMapFrame*>(window)) map = frame;
  ASSERT_NE(map, nullptr);
  EXPECT_EQ(map->windowTitle(), QStringLiteral("Site Map"));
  map->ViewWidget()->repaint();
  const QImage& plan = map->ViewWidget()->Frame();
  int drawn = 0;
  for (int y = 60; y < plan.height() - 60; y += 2)
    for (int x = 60; x < plan.width() - 60; x += 2) drawn += Pixel(plan, x, y) != 0xFFFFFF ? 1 : 0;
  EXPECT_GT(drawn, 50) << "baselines and profiles inside the axes";

  EXPECT_EQ(map->ZoomBox()->text(), QStringLiteral("100%"));
  auto* zoomIn = map->findChild<QToolBar*>(QStringLiteral("mapToolBar"))->actions().at(4);
  EXPECT_EQ(zoomIn->toolTip(), QStringLiteral("Zoom in"));
  zoomIn->trigger();
  EXPECT_TRUE(zoomIn->isChecked()) << "the zoom tool is armed";
  QTest::mouseClick(map->ViewWidget(), Qt::LeftButton, {}, map->ViewWidget()->rect().center());
  EXPECT_EQ(map->ZoomBox()->text(), QStringLiteral("120%"));

  // Closed by the user, the map is gone from the document; the command makes a new one.
  CTarvixDoc& doc = *Application().Document();
  map->close();
  EXPECT_EQ(doc.mapFrame, nullptr);
  EXPECT_EQ(doc.mapShown, 0);
  QApplication::processEvents();
  EXPECT_TRUE(Frame().RunCommand(command::kSiteMap));
  ASSERT_NE(doc.mapFrame, nullptr);
  EXPECT_EQ(doc.mapShown, 1);
}

TEST_F(MainWindowTest, ThePaletteKeyEditsThePaletteAndTheViewsFollow) {
  OpenDemo();
  const QImage before = Painted().copy();
  ModalScript script({[](QWidget* modal) {
    auto* editor = As<QDialog>(modal);
    ASSERT_NE(editor, nullptr);
    editor->findChild<QDoubleSpinBox*>(QStringLiteral("gain"))->setValue(5.0);
    editor->accept();
  }});
  QTest::keyClick(&Frame(), Qt::Key_P);
  EXPECT_TRUE(script.Done());
  EXPECT_FLOAT_EQ(App().settings.Palette.gain, 5.0f);
  EXPECT_NE(Painted(), before);
  Frame().UpdateCommandUI();
  EXPECT_EQ(Frame().ProfileFrame()->ToolBar().GainSlider()->value(), 5);
}

int MarkerCount(const CTarvixDoc& doc) {
  int count = 0;
  for (const auto& set : doc.project.sets)
    for (const auto& profile : set->profiles) count += static_cast<int>(profile->markers.items.size());
  return count;
}

TEST_F(MainWindowTest, AMarkerToolInsertsWhereClickedAndThePanesFollowTheMouse) {
  CTarvixDoc& doc = OpenDemo();
  Frame().Wall().setActiveSubWindow(Frame().ProfileFrame());
  const int before = MarkerCount(doc);
  QAction* tool = Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kMarkerTools[2]);
  EXPECT_EQ(tool->toolTip(), QStringLiteral("Type 3"));
  tool->trigger();
  EXPECT_TRUE(tool->isChecked());

  QTest::mouseMove(&View(), QPoint(600, 80));
  QTest::mouseClick(&View(), Qt::LeftButton, {}, QPoint(600, 80));
  EXPECT_EQ(MarkerCount(doc), before + 1);
  EXPECT_TRUE(doc.IsModified());
  ASSERT_NE(doc.state.selectedMarkerRef, nullptr);
  EXPECT_EQ(doc.state.selectedMarkerRef->type, 2);

  Frame().UpdateCommandUI();
  EXPECT_TRUE(Frame().Pane(CMainFrame::kPaneProfile).text().startsWith(QStringLiteral("Profile: line0")));
  EXPECT_TRUE(Frame().Pane(CMainFrame::kPaneProfile).text().endsWith(QStringLiteral(" (16 bits)")));
  EXPECT_TRUE(Frame().Pane(CMainFrame::kPanePosition).text().startsWith(QStringLiteral("Trace: ")));
  doc.SetModifiedFlag(false);
}

TEST_F(MainWindowTest, TheHyperbolaMenuHandsTheRadiusToTheRemoteControl) {
  OpenDemo();
  Frame().ActionsOf(CSlideToolBar::kHyperbolaTool).front()->trigger();
  ProfileViewInteraction& interaction = View().Interaction();
  ASSERT_TRUE(interaction.HyperbolaMode());
  EXPECT_TRUE(Frame().ActionsOf(CSlideToolBar::kHyperbolaTool).front()->isChecked());

  QString chosen;
  QTimer::singleShot(100, [&chosen] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (!menu) return;
    for (QAction* action : menu->actions())
      if (action->text() == QStringLiteral("Change raduis")) {
        chosen = action->text();
        action->trigger();
      }
    menu->close();
  });
  QTest::mouseClick(&View(), Qt::RightButton, {}, QPoint(200, 120));
  EXPECT_EQ(chosen, QStringLiteral("Change raduis"));
  EXPECT_EQ(interaction.HyperbolaParameter(), 2);
  CRemoteControl& remote = Frame().RemoteBar();
  EXPECT_TRUE(remote.isVisible());
  EXPECT_EQ(remote.windowTitle(), QStringLiteral("RADIUS"));
  remote.Slider()->setValue(25);
  EXPECT_FLOAT_EQ(interaction.CurrentHyperbola()->radius, 2.5f);

  // Leaving the tool hides the bar.
  Frame().ActionsOf(CSlideToolBar::kHyperbolaTool).front()->trigger();
  EXPECT_FALSE(interaction.HyperbolaMode());
  EXPECT_FALSE(remote.isVisible());
}

TEST_F(MainWindowTest, MenusFollowTheProjectAndTheFrameTitleTheProfilesShown) {
  CTarvixDoc& doc = OpenDemo();
  EXPECT_EQ(MenuTitles(Frame()),
            (QStringList{QStringLiteral("&File"), QStringLiteral("&View"), QStringLiteral("&Tools"),
                         QStringLiteral("&Window"), QStringLiteral("&Help")}));
  ASSERT_EQ(Frame().ActionsOf(command::kClose).size(), 1u);
  EXPECT_TRUE(Frame().ActionsOf(command::kSave).front()->isEnabled());
  QAction* siteMap = Frame().ActionsOf(command::kSiteMap).front();
  EXPECT_TRUE(siteMap->isChecked());
  siteMap->trigger();
  EXPECT_FALSE(siteMap->isChecked());
  EXPECT_EQ(doc.mapShown, 0);
  QTest::keyClick(&Frame(), Qt::Key_M, Qt::ControlModifier);
  EXPECT_EQ(doc.mapShown, 1) << "Ctrl+M shows it again";
  // Filters are on: the menu offers to switch them off, the button is not pressed.
  EXPECT_EQ(Frame().ActionsOf(command::kToggleFilters).front()->text(),
            QString::fromStdString(ToggleFiltersText(true)));

  App().settings.MaxProfile = 1;
  Frame().UpdateCommandUI();
  EXPECT_EQ(Frame().ProfileFrame()->windowTitle(), QStringLiteral("GPR Profile"));

  Frame().ActionsOf(command::kClose).front()->trigger();
  EXPECT_EQ(Application().Document(), nullptr);
  EXPECT_EQ(MenuTitles(Frame()).size(), 4);
  EXPECT_EQ(Frame().windowTitle(), QStringLiteral("BHG Tarvix"));
  QApplication::processEvents();
  EXPECT_TRUE(Frame().Wall().subWindowList().isEmpty());
  // The opened project is offered again.
  const auto recent = Frame().ActionsOf(command::kRecentFile);
  ASSERT_EQ(recent.size(), 1u);
  EXPECT_EQ(recent.front()->text(), QStringLiteral("&1 demo-baseline.tvx"));
  EXPECT_TRUE(recent.front()->isEnabled());
}

TEST_F(MainWindowTest, ClosingTheProfileWindowClosesTheProjectAndRemembersItsWindows) {
  OpenDemo();
  Frame().ProfileFrame()->close();
  QApplication::processEvents();
  EXPECT_EQ(Application().Document(), nullptr);
  EXPECT_EQ(App().store.ReadInt("MapVisible"), 1);
  const auto placement = App().store.ReadBinary("DataView");
  ASSERT_TRUE(placement);
  EXPECT_EQ(placement->size(), 44u);
}

TEST_F(MainWindowTest, OptionsSheetRefusesBadValuesAndTakesGoodOnes) {
  QPointer<CMyPropertySheetDialog> sheet;
  auto pressOk = [&sheet] {
    QTimer::singleShot(
        0, [&sheet] { sheet->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click(); });
  };
  QString refusal;
  ModalScript script({[&](QWidget* modal) {
                        sheet = As<CMyPropertySheetDialog>(modal);
                        ASSERT_NE(sheet, nullptr);
                        EXPECT_EQ(sheet->windowTitle(), QStringLiteral("Options"));
                        EXPECT_EQ(sheet->Tabs()->tabText(0), QStringLiteral("General"));
                        for (auto* button : sheet->Page(0)->findChildren<QAbstractButton*>())
                          if (button->text() == QStringLiteral("Feet")) button->click();
                        sheet->Tabs()->setCurrentIndex(1);
                        EXPECT_EQ(sheet->Page(1)->findChild<QLabel*>(QStringLiteral("velocityUnit"))->text(),
                                  QStringLiteral("ft/µs"));
                        EXPECT_EQ(sheet->Page(1)->findChild<QLineEdit*>(QStringLiteral("velocity"))->text(),
                                  QStringLiteral("328.08"));
                        auto* count = sheet->Page(1)->findChild<QSpinBox*>(QStringLiteral("maxProfile"));
                        count->setValue(10);
                        count->stepUp();
                        EXPECT_EQ(count->value(), 10) << "the arrows stop at 10";
                        count->setValue(11);
                        pressOk();
                      },
                      [&](QWidget* modal) {
                        auto* box = As<QMessageBox>(modal);
                        ASSERT_NE(box, nullptr);
                        refusal = box->text();
                        box->accept();
                        QTimer::singleShot(0, [&] {
                          sheet->Page(1)->findChild<QSpinBox*>(QStringLiteral("maxProfile"))->setValue(2);
                          pressOk();
                        });
                      }});
  EXPECT_TRUE(Frame().RunCommand(command::kOptions));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(refusal, QStringLiteral("Wrong maximum number of profiles! \nCorrect value is 1 - 10"));
  EXPECT_EQ(App().settings.MaxProfile, 2);
  EXPECT_EQ(App().settings.Units, 1);
  EXPECT_DOUBLE_EQ(App().settings.Velocity, 100.0);
}

TEST_F(MainWindowTest, AddProjectWarnsFirstAndNoEndsIt) {
  OpenDemo();
  QString warning;
  ModalScript script({[&](QWidget* modal) {
    auto* dialog = As<QDialog>(modal);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Warning"));
    warning = dialog->findChild<QLabel*>(QStringLiteral("warning"))->text();
    for (auto* button : dialog->findChildren<QPushButton*>())
      if (button->text() == QStringLiteral("&No")) button->click();
  }});
  EXPECT_TRUE(Frame().RunCommand(command::kAddProject));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(warning,
            QStringLiteral("If the radar data files have the same\nname this operation will overwrite \n"
                           "files in the current project directory.\nContinue?"));
  // No file dialog followed: nothing else is open and the project is as it was.
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(Application().Document()->IsModified());
}

TEST_F(MainWindowTest, AGpsProjectHasNoMapCoordinateSystemToChoose) {
  OpenDemo();
  Application().CloseDocument();
  ASSERT_TRUE(Application().OpenDocumentFile(survey_.File("demo-gps.tvx")));
  bool orientationEnabled = true;
  ModalScript script({[&](QWidget* modal) {
    auto* sheet = As<CMyPropertySheetDialog>(modal);
    ASSERT_NE(sheet, nullptr);
    for (auto* button : sheet->Page(0)->findChildren<QAbstractButton*>())
      if (button->text().startsWith(QStringLiteral("Left handed"))) orientationEnabled = button->isEnabled();
    sheet->reject();
  }});
  EXPECT_TRUE(Frame().RunCommand(command::kOptions));
  EXPECT_TRUE(script.Done());
  EXPECT_FALSE(orientationEnabled);
}

TEST_F(MainWindowTest, ExitOffersToSaveAndCancelKeepsTheProgramGoing) {
  OpenDemo().SetModifiedFlag();
  App().settings.ZeroLevel = 20;
  QString question;
  auto answer = [&question](QMessageBox::StandardButton button) {
    return [&question, button](QWidget* modal) {
      auto* box = As<QMessageBox>(modal);
      ASSERT_NE(box, nullptr);
      question = box->text();
      box->button(button)->click();
    };
  };
  {
    ModalScript script({answer(QMessageBox::Cancel)});
    EXPECT_FALSE(Frame().close());
    EXPECT_TRUE(script.Done());
  }
  EXPECT_EQ(question, QStringLiteral("Save changes to the current project?"));
  EXPECT_NE(Application().Document(), nullptr);
  EXPECT_FALSE(App().store.ReadInt("ZeroLevel")) << "nothing written while the program goes on";

  ModalScript script({answer(QMessageBox::No)});
  EXPECT_TRUE(Frame().close());
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(Application().Document(), nullptr);
  EXPECT_EQ(App().store.ReadInt("ZeroLevel"), 20) << "the settings are written at exit";
}

TEST_F(MainWindowTest, AboutBoxNamesTheVersion) {
  QString version;
  ModalScript script({[&](QWidget* modal) {
    auto* about = As<CAboutDlg>(modal);
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Tarvix"));
    version = about->findChild<QLabel*>(QStringLiteral("version"))->text();
    about->accept();
  }});
  EXPECT_TRUE(Frame().RunCommand(command::kAbout));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(version, QStringLiteral("Version 1.6.3"));
}

TEST_F(MainWindowTest, RemoteControlShowsTheParameterBeingEdited) {
  CRemoteControl& remote = Frame().RemoteBar();
  EXPECT_FALSE(remote.isVisible());
  Frame().SetRemoteMode(2, 2);
  EXPECT_TRUE(remote.isVisible());
  EXPECT_EQ(remote.windowTitle(), QStringLiteral("RADIUS"));
  EXPECT_EQ(remote.Slider()->maximum(), 100);
  EXPECT_EQ(remote.Slider()->value(), 20);
  Frame().SetRemoteMode(0, 0);
  EXPECT_FALSE(remote.isVisible());
}

TEST_F(MainWindowTest, MarkerListBarComesBackWhereItWasClosed) {
  CMarkerControl& bar = Frame().MarkerBar();
  EXPECT_FALSE(bar.isVisible());
  Frame().ActionsOf(command::kMarkerList).front()->trigger();
  EXPECT_TRUE(bar.isVisible());
  EXPECT_TRUE(Frame().ActionsOf(command::kMarkerList).front()->isChecked());
  bar.setGeometry(300, 200, 520, 260);
  Frame().close();
  Start();
  EXPECT_TRUE(Frame().MarkerBar().isVisible());
  EXPECT_EQ(Frame().MarkerBar().geometry(), QRect(300, 200, 520, 260));
}

TEST_F(MainWindowTest, SplashGoesAtTheFirstKeyWhichDoesNothingElse) {
  CSplashWnd::EnableSplashScreen(true);
  CSplashWnd::ShowSplashScreen(&Frame());
  ASSERT_NE(CSplashWnd::Current(), nullptr);
  EXPECT_EQ(CSplashWnd::Current()->size(), QSize(520, 317));
  bool paletteOpened = false;
  QTimer::singleShot(200, [&paletteOpened] {
    // The palette editor would be the next modal window.
    if (QWidget* modal = QApplication::activeModalWidget()) {
      paletteOpened = true;
      modal->close();
    }
  });
  QTest::keyClick(&Frame(), Qt::Key_P);
  EXPECT_EQ(CSplashWnd::Current(), nullptr);
  QTest::qWait(300);
  EXPECT_FALSE(paletteOpened);

  CSplashWnd::ShowSplashScreen(&Frame());
  ASSERT_NE(CSplashWnd::Current(), nullptr);
  EXPECT_TRUE(QTest::qWaitFor([] { return CSplashWnd::Current() == nullptr; }, 3000));
  CSplashWnd::EnableSplashScreen(false);
}

}  // namespace
}  // namespace tarvix
