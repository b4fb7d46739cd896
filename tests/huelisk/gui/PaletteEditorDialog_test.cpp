#include "editor/PaletteEditorDialog.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>

#include "WidgetsTest.h"
#include "core/CPaletteFile.h"
#include "core/CPreset.h"
#include "editor/ColourBarWidget.h"
#include "support/TempDir.h"

namespace tarvix::huelisk {
namespace {

using tarvix::testing::TempDir;
using tarvix::testing::WriteFileBytes;

const CPreset& Named(const std::string& name) {
  for (const CPreset& preset : CPreset::All()) {
    if (preset.name == name) {
      return preset;
    }
  }
  throw std::runtime_error("no preset " + name);
}

template <typename T>
T* Child(QWidget& dialog, const char* name) {
  T* child = dialog.findChild<T*>(QString::fromLatin1(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

class PaletteEditorDialogTest : public WidgetsTest {
 protected:
  void Show(PaletteEditorDialog& dialog) {
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
  }
};

TEST_F(PaletteEditorDialogTest, ColourBarShowsTheEntries) {
  const CPalette viridis{Named("Viridis").Ramp().ToEntries(), 1.0f};
  PaletteEditorDialog dialog(viridis, QString());
  Show(dialog);
  auto* bar = Child<ColourBarWidget>(dialog, "colourBar");
  EXPECT_EQ(Child<QComboBox>(dialog, "presets")->currentText().toStdString(), "Viridis");

  const QImage image = bar->grab().toImage();
  for (int k : {0, 1, 31, 32, 62, 63}) {
    const QPoint centre = bar->CellRect(k).center() * image.devicePixelRatio();
    EXPECT_EQ(image.pixel(centre) & 0xFFFFFFu, viridis.entries[k]) << "entry " << k;
  }
  if (const QByteArray path = qgetenv("HUELISK_SCREENSHOT"); !path.isEmpty()) {
    dialog.grab().save(QString::fromLocal8Bit(path));
  }
}

TEST_F(PaletteEditorDialogTest, MouseEditsTheStops) {
  PaletteEditorDialog dialog(CPalette::GreyRamp(), QString());
  Show(dialog);
  auto* bar = Child<ColourBarWidget>(dialog, "colourBar");
  auto* remove = Child<QPushButton>(dialog, "removeStop");
  const int handleY = bar->BarRect().bottom() + 8;
  EXPECT_FALSE(remove->isEnabled());

  // Drag the white end stop to the middle: from there on the palette is white.
  QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->XOfPosition(1.0), handleY));
  QTest::mouseMove(bar, QPoint(bar->XOfPosition(0.5), handleY));
  QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->XOfPosition(0.5), handleY));
  CPalette result = dialog.Result();
  EXPECT_EQ(result.entries[40], 0xFCFCFCu);
  EXPECT_EQ(result.entries[63], 0xFCFCFCu);
  EXPECT_NEAR(static_cast<double>(result.entries[16] & 0xFF), 128.0, 1.0)
      << "a quarter of the way: half grey";
  EXPECT_EQ(Child<QComboBox>(dialog, "presets")->currentIndex(), -1);
  EXPECT_NEAR(Child<QDoubleSpinBox>(dialog, "position")->value(), 50.0, 1.0);

  // Double-clicking the bar away from any stop adds one there.
  QTest::mouseDClick(bar, Qt::LeftButton, {}, QPoint(bar->XOfPosition(0.8), handleY));
  EXPECT_TRUE(remove->isEnabled());
  QTest::mouseClick(remove, Qt::LeftButton);
  EXPECT_FALSE(remove->isEnabled());
  EXPECT_EQ(dialog.Result(), result);
}

TEST_F(PaletteEditorDialogTest, GainControlsFollowEachOther) {
  PaletteEditorDialog dialog(CPalette::GreyRamp(), QString());
  auto* slider = Child<QSlider>(dialog, "gainSlider");
  auto* box = Child<QDoubleSpinBox>(dialog, "gain");
  EXPECT_EQ(slider->minimum(), 1);
  EXPECT_EQ(slider->maximum(), 80);
  slider->setValue(40);
  EXPECT_EQ(dialog.Result().gain, 40.0f);
  EXPECT_EQ(box->value(), 40.0);
  box->setValue(12.5);
  EXPECT_EQ(dialog.Result().gain, 12.5f);
  EXPECT_EQ(slider->value(), 13);
}

TEST_F(PaletteEditorDialogTest, DamagedFileIsRefusedWithAMessage) {
  TempDir dir;
  const CPalette cividis{Named("Cividis").Ramp().ToEntries(), 12.5f};
  std::string text = CPaletteFile::Format(cividis);
  WriteFileBytes(dir.File("good.hpal"), text);
  text.replace(text.find("GAIN 12.5"), 9, "GAIN 99");
  WriteFileBytes(dir.File("bad.hpal"), text);

  PaletteEditorDialog dialog(CPalette::GreyRamp(), QString::fromStdString(dir.Path().string()));
  QString message;
  {
    WhenModal reader([&](QWidget* box) {
      auto* messageBox = qobject_cast<QMessageBox*>(box);
      ASSERT_NE(messageBox, nullptr);
      message = messageBox->text();
      messageBox->accept();
    });
    EXPECT_FALSE(dialog.LoadFrom(QString::fromStdString(dir.File("bad.hpal"))));
  }
  EXPECT_TRUE(message.contains(QStringLiteral("bad.hpal"))) << message.toStdString();
  EXPECT_TRUE(message.contains(QStringLiteral("Line 2:"))) << message.toStdString();
  EXPECT_EQ(dialog.Result(), CPalette::GreyRamp());

  EXPECT_TRUE(dialog.LoadFrom(QString::fromStdString(dir.File("good.hpal"))));
  EXPECT_EQ(dialog.Result(), cividis);
  EXPECT_EQ(Child<QComboBox>(dialog, "presets")->currentText().toStdString(), "Cividis");
  EXPECT_EQ(Child<QDoubleSpinBox>(dialog, "gain")->value(), 12.5);
}

TEST_F(PaletteEditorDialogTest, FileDialogsStartInTheStartupFolder) {
  TempDir dir;
  const QString folder = QString::fromStdString(dir.Path().string());
  PaletteEditorDialog dialog(CPalette{Named("Hot").Ramp().ToEntries(), 5.0f}, folder);
  QString openedIn;
  {
    WhenModal chooser([&](QWidget* modal) {
      auto* files = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(files, nullptr);
      openedIn = files->directory().absolutePath();
      files->reject();
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "load"), Qt::LeftButton);
  }
  EXPECT_EQ(openedIn, folder);

  // Saving under a name without extension gets the palette extension.
  {
    WhenModal chooser([&](QWidget* modal) {
      auto* files = qobject_cast<QFileDialog*>(modal);
      ASSERT_NE(files, nullptr);
      openedIn = files->directory().absolutePath();
      auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
      ASSERT_NE(name, nullptr);
      name->setText(QStringLiteral("mine"));
      QMetaObject::invokeMethod(files, "accept");
    });
    QTest::mouseClick(Child<QPushButton>(dialog, "save"), Qt::LeftButton);
  }
  EXPECT_EQ(openedIn, folder);
  CPalette saved;
  std::string error;
  ASSERT_TRUE(CPaletteFile::Read(dir.File("mine.hpal"), saved, error)) << error;
  EXPECT_EQ(saved, dialog.Result());
}

}  // namespace
}  // namespace tarvix::huelisk
