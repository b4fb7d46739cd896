// The chain editor as the program shows it, driven through its widgets.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>

#include <functional>
#include <memory>
#include <vector>

#include "sievex32.h"
#include "support/TempDir.h"

namespace {

QApplication& Application() {
  static int argc = 1;
  static char name[] = "sievex32_gui_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication application(argc, argv);
  return application;
}

using List = std::unique_ptr<SievexList, decltype(&FilterListDestroy)>;

// Runs the editor on a small block; `script` acts on the dialog once it is shown.
int Edit(SievexList* list, const std::function<void(QDialog&)>& script) {
  Application();
  std::vector<int16_t> traces(128 * 20);
  for (std::size_t i = 0; i < traces.size(); ++i) traces[i] = static_cast<int16_t>((i * 37) % 2001 - 1000);
  SievexDataDescription data{};
  data.samplesPerTrace = 128;
  data.traceCount = 20;
  data.samplingFrequency = 1000.0;
  data.antennaFrequency = 100.0;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, [&] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog == nullptr) return;
    poll.stop();
    script(*dialog);
  });
  poll.start(10);
  return FilterListEdit(list, nullptr, traces.data(), &data);
}

QPushButton* Button(QDialog& dialog, QDialogButtonBox::StandardButton which) {
  return dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"))->button(which);
}

void AddFirstKind(QDialog& dialog) {
  dialog.findChild<QComboBox*>(QStringLiteral("kindBox"))->setCurrentIndex(0);
  dialog.findChild<QPushButton*>(QStringLiteral("addButton"))->click();
}

TEST(EditDialog, OkWithAChangedChainReportsItAndCancelKeepsTheList) {
  List list(FilterListCreate(), &FilterListDestroy);
  EXPECT_EQ(Edit(list.get(),
                 [](QDialog& dialog) {
                   AddFirstKind(dialog);
                   Button(dialog, QDialogButtonBox::Ok)->click();
                 }),
            1);
  EXPECT_EQ(FilterListGetSize(list.get()), 1);

  EXPECT_EQ(Edit(list.get(),
                 [](QDialog& dialog) {
                   AddFirstKind(dialog);
                   Button(dialog, QDialogButtonBox::Cancel)->click();
                 }),
            0);
  EXPECT_EQ(FilterListGetSize(list.get()), 1);

  EXPECT_EQ(Edit(list.get(), [](QDialog& dialog) { Button(dialog, QDialogButtonBox::Ok)->click(); }), 0);
}

TEST(EditDialog, ParametersAndEnablingReachTheList) {
  List list(FilterListCreate(), &FilterListDestroy);
  EXPECT_EQ(Edit(list.get(),
                 [](QDialog& dialog) {
                   dialog.findChild<QPushButton*>(QStringLiteral("recommendedButton"))->click();
                   auto* chain = dialog.findChild<QListWidget*>(QStringLiteral("chainList"));
                   ASSERT_EQ(chain->count(), 4);
                   chain->setCurrentRow(3);  // the AGC
                   dialog.findChild<QDoubleSpinBox*>(QStringLiteral("maxgain"))->setValue(25.0);
                   chain->item(0)->setCheckState(Qt::Unchecked);
                   // The preview shows both pictures.
                   EXPECT_FALSE(dialog.findChild<QLabel*>(QStringLiteral("afterImage"))->pixmap().isNull());
                   Button(dialog, QDialogButtonBox::Ok)->click();
                 }),
            1);
  std::unique_ptr<SievexFilterInfo, decltype(&FilterInfoDestroy)> info(FilterInfoCreate(),
                                                                       &FilterInfoDestroy);
  ASSERT_EQ(FilterListGetSize(list.get()), 4);
  ASSERT_EQ(FilterListGetFilter(list.get(), info.get(), 0), 1);
  EXPECT_EQ(info->enabled, 0);
  ASSERT_EQ(FilterListGetFilter(list.get(), info.get(), 3), 1);
  EXPECT_STREQ(info->name, "agc");
  EXPECT_STREQ(info->parameters, "window=auto ns maxgain=25 dB");
}

}  // namespace
