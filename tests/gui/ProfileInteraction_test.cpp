#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMouseEvent>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QSlider>
#include <QTest>
#include <filesystem>
#include <memory>

#include "DemoSurvey.h"
#include "ModalScript.h"
#include "app/AppContext.h"
#include "app/CTarvixApp.h"
#include "document/CTarvixDoc.h"
#include "gui/CChildFrame.h"
#include "gui/CMainFrame.h"
#include "gui/CMarkerControl.h"
#include "gui/CMarkerList.h"
#include "gui/CMrkDlgDialog.h"
#include "gui/CRemoteControl.h"
#include "gui/CSlideToolBar.h"
#include "gui/CTarvixViewWidget.h"
#include "gui/TarvixProgram.h"
#include "profileview/GlobalMarkers.h"
#include "support/TempDir.h"

namespace tarvix {
namespace {

using testing::As;
using testing::ModalScript;
using testing::TempDir;

QRgb Pixel(const QImage& image, int x, int y) { return image.pixel(x, y) & 0xFFFFFF; }

// The program with the demo survey open, its marker list shown.
class ProfileInteractionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope,
                       QString::fromStdString(settings_.Path().string()));
    program_ = std::make_unique<TarvixProgram>(TarvixProgram::Options{false, {}});
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&Frame()));
    const std::string folder = survey_.Path().string() + "/";
    ASSERT_TRUE(demo::WriteDemoSurvey(folder));
    ASSERT_TRUE(program_->Application().OpenDocumentFile(folder + demo::kDemoBaselineProject));
    Frame().UpdateCommandUI();
    Frame().MarkerBar().show();
  }
  void TearDown() override {
    if (auto* doc = program_->Application().Document()) doc->SetModifiedFlag(false);
    program_.reset();
  }
  CMainFrame& Frame() { return program_->MainFrame(); }
  CTarvixDoc& Doc() { return *program_->Application().Document(); }
  CTarvixViewWidget& View() { return Frame().ProfileFrame()->ViewWidget(); }
  CMarkerList& List() { return *Frame().MarkerBar().findChild<CMarkerList*>(); }
  const QImage& Painted() {
    View().repaint();
    return View().Frame();
  }
  int Rows() { return List().model()->rowCount(); }
  QString Cell(int row, int column) { return List().model()->index(row, column).data().toString(); }
  // A move with no button down, as the window system reports while the mouse is tracked.
  void Hover(QPoint at) {
    QMouseEvent move(QEvent::MouseMove, at, View().mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&View(), &move);
  }
  // An empty spot of the first band, clear of the demo's markers.
  QPoint FreeSpot() {
    const Rect image = View().View().ImageRect();
    return {image.left + image.Width() / 2 + 7, image.top + 30};
  }

  TempDir settings_;
  TempDir survey_;
  std::unique_ptr<TarvixProgram> program_;
};

TEST_F(ProfileInteractionTest, AMarkerToolClickAddsARowAndACrossThatSelectionFramesAndDeleteRemoves) {
  const int before = Rows();
  const QPoint at = FreeSpot();
  const QImage empty = Painted().copy();

  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kMarkerTools[1])->trigger();
  EXPECT_EQ(View().Interaction().ArmedMarkerType(), 2);
  QTest::mouseMove(&View(), at);
  QTest::mouseClick(&View(), Qt::LeftButton, {}, at);
  ASSERT_EQ(Rows(), before + 1);
  const int row = Doc().state.selectedMarker;
  EXPECT_EQ(Doc().state.selectedMarkerRef->type, 1);
  EXPECT_TRUE(List().selectionModel()->isRowSelected(row, {}));
  const QImage marked = Painted().copy();
  EXPECT_NE(Pixel(marked, at.x(), at.y()), Pixel(empty, at.x(), at.y())) << "the cross";

  // Selected: the square 12 pixels around the marker; cleared: no square.
  EXPECT_EQ(Pixel(marked, at.x() - 12, at.y()), 0x000000u);
  List().clearSelection();
  EXPECT_NE(Pixel(Painted(), at.x() - 12, at.y()), 0x000000u);
  List().selectionModel()->select(List().model()->index(row, 0),
                                  QItemSelectionModel::Select | QItemSelectionModel::Rows);
  EXPECT_EQ(Pixel(Painted(), at.x() - 12, at.y()), 0x000000u);

  QString question;
  ModalScript script({[&question](QWidget* modal) {
    auto* box = As<QMessageBox>(modal);
    ASSERT_NE(box, nullptr);
    question = box->text();
    box->button(QMessageBox::Yes)->click();
  }});
  View().setFocus();
  QTest::keyClick(&View(), Qt::Key_Delete);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(question, QStringLiteral("Do you want to delete the marker?"));
  EXPECT_EQ(Rows(), before);
}

TEST_F(ProfileInteractionTest, EditingThroughTheDialogChangesTheRow) {
  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kMarkerTools[0])->trigger();
  const QPoint at = FreeSpot();
  QTest::mouseClick(&View(), Qt::LeftButton, {}, at);
  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kMarkerTools[0])->trigger();
  const int row = Doc().state.selectedMarker;
  ASSERT_GE(row, 0);
  ModalScript script({[](QWidget* modal) {
    auto* dialog = As<CMrkDlgDialog>(modal);
    ASSERT_NE(dialog, nullptr);
    dialog->findChild<QPlainTextEdit*>(QStringLiteral("comment"))->setPlainText(QStringLiteral("cable"));
    dialog->findChild<QLineEdit*>(QStringLiteral("sample"))->setText(QStringLiteral("33"));
    dialog->accept();
  }});
  // A double click on the selected marker opens the dialog.
  Hover(at);
  ASSERT_TRUE(View().Interaction().OverSelectedMarker());
  QTest::mouseDClick(&View(), Qt::LeftButton, {}, at);
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(Cell(row, 4), QStringLiteral(" cable"));
  EXPECT_EQ(Cell(row, 3), QStringLiteral(" 33"));
}

TEST_F(ProfileInteractionTest, TheHyperbolaFollowsTheMouseWithoutRecomputingTheRadargram) {
  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kHyperbolaTool)->trigger();
  ASSERT_TRUE(View().Interaction().HyperbolaMode());
  const Rect image = View().View().ImageRect();
  const QPoint apex(image.left + 200, image.top + 60);
  Hover(apex);
  Painted();
  const int paints = View().RadargramPaints();
  for (int dx = 1; dx <= 20; ++dx) {
    Hover(apex + QPoint(dx, 0));
    View().repaint();
  }
  EXPECT_EQ(View().RadargramPaints(), paints);
  // The curve is drawn in yellow through the apex.
  EXPECT_EQ(Pixel(View().Frame(), apex.x() + 20, apex.y()), 0xFFFF00u);
}

TEST_F(ProfileInteractionTest, TheRemoteControlSliderEditsTheChosenParameter) {
  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kHyperbolaTool)->trigger();
  ProfileViewInteraction& interaction = View().Interaction();
  for (int i = 0; i < 26; ++i) interaction.OnKeyDown(ViewKey::Right, {false, true});  // radius 2.6 m
  interaction.OnMenuCommand(ProfileViewInteraction::kChangeRadius);
  CRemoteControl& bar = Frame().RemoteBar();
  EXPECT_TRUE(bar.isVisible());
  EXPECT_EQ(bar.windowTitle(), QStringLiteral("RADIUS"));
  QSlider* slider = bar.Slider();
  EXPECT_EQ(slider->minimum(), 0);
  EXPECT_EQ(slider->maximum(), 100);
  EXPECT_EQ(slider->tickInterval(), 10);
  EXPECT_EQ(slider->value(), 20) << "whole metres, in tenths";
  slider->setValue(25);
  EXPECT_FLOAT_EQ(interaction.CurrentHyperbola()->radius, 2.5f);
  // The same item again, or leaving the tool, hides the bar.
  interaction.OnMenuCommand(ProfileViewInteraction::kChangeRadius);
  EXPECT_FALSE(bar.isVisible());
  interaction.OnMenuCommand(ProfileViewInteraction::kChangeAngle);
  EXPECT_EQ(bar.windowTitle(), QStringLiteral("ANGLE"));
  EXPECT_EQ(slider->value(), 90);
  Frame().ProfileFrame()->ToolBar().Buttons().at(CSlideToolBar::kHyperbolaTool)->trigger();
  EXPECT_FALSE(bar.isVisible());
}

}  // namespace
}  // namespace tarvix
