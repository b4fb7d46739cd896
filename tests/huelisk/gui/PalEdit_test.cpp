#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QTest>
#include <array>
#include <cstring>
#include <thread>

#include "WidgetsTest.h"
#include "core/CPalette.h"
#include "core/CPreset.h"
#include "huelisk.h"

namespace tarvix::huelisk {
namespace {

using Record = std::array<unsigned char, CPalette::kRecordBytes>;

Record Packed(const CPalette& palette) {
  Record record{};
  palette.Pack(record.data());
  return record;
}

CPalette GreyWithGain() {
  CPalette palette = CPalette::GreyRamp();
  palette.gain = 3.0f;
  return palette;
}

// Picks the last preset with the keyboard, as a user would, then presses the given button.
void ChooseLastPresetAndPress(QWidget* dialog, QDialogButtonBox::StandardButton button) {
  auto* presets = dialog->findChild<QComboBox*>(QStringLiteral("presets"));
  ASSERT_NE(presets, nullptr);
  QTest::keyClick(presets, Qt::Key_End);
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QTest::mouseClick(buttons->button(button), Qt::LeftButton);
}

TEST(PalEditWithoutApplicationTest, ReturnsZeroAndLeavesTheRecord) {
  ASSERT_EQ(QCoreApplication::instance(), nullptr);
  Record record = Packed(GreyWithGain());
  EXPECT_EQ(PalEdit(record.data(), "/tmp"), 0);
  EXPECT_EQ(record, Packed(GreyWithGain()));
}

class PalEditTest : public WidgetsTest {};

TEST_F(PalEditTest, OkWithAPresetWritesTheRecord) {
  Record record = Packed(GreyWithGain());
  WhenModal driver([](QWidget* dialog) { ChooseLastPresetAndPress(dialog, QDialogButtonBox::Ok); });
  EXPECT_EQ(PalEdit(record.data(), "/tmp"), 1);
  const CPalette hot{CPreset::All().back().Ramp().ToEntries(), 3.0f};
  EXPECT_EQ(record, Packed(hot));
}

TEST_F(PalEditTest, CancelOrAnUnchangedOkLeavesTheRecord) {
  const Record original = Packed(GreyWithGain());
  Record record = original;
  {
    WhenModal driver([](QWidget* dialog) { ChooseLastPresetAndPress(dialog, QDialogButtonBox::Cancel); });
    EXPECT_EQ(PalEdit(record.data(), "/tmp"), 0);
    EXPECT_EQ(record, original);
  }
  {
    WhenModal driver([](QWidget* dialog) {
      QTest::mouseClick(dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
    });
    EXPECT_EQ(PalEdit(record.data(), nullptr), 0);
    EXPECT_EQ(record, original);
  }
}

TEST_F(PalEditTest, RefusesWhatItCannotServe) {
  bool shown = false;
  WhenModal guard([&](QWidget* dialog) {
    shown = true;
    dialog->close();
  });
  EXPECT_EQ(PalEdit(nullptr, "/tmp"), 0);
  Record record = Packed(GreyWithGain());
  int fromOtherThread = -1;
  std::thread([&] { fromOtherThread = PalEdit(record.data(), "/tmp"); }).join();
  EXPECT_EQ(fromOtherThread, 0);
  EXPECT_EQ(record, Packed(GreyWithGain()));
  QCoreApplication::processEvents();
  EXPECT_FALSE(shown);
}

}  // namespace
}  // namespace tarvix::huelisk
