#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "ModalScript.h"
#include "app/AppContext.h"
#include "document/CMarkExport.h"
#include "document/CTarvixDoc.h"
#include "gui/CMarkExportDialog.h"
#include "gui/CMarkerList.h"
#include "gui/CMrkDlgDialog.h"
#include "gui/MarkerDialogs.h"
#include "gui/QtUserInterface.h"
#include "model/KGPSProfile.h"
#include "platform/MemorySettingsStore.h"
#include "document/HeadlessDocumentHost.h"

namespace tarvix {
namespace {

using testing::As;
using testing::ModalScript;

// A document of two profiles without files, three markers, listed in a shown marker list, with
// the Qt dialogs current.
struct ListFixture {
  ListFixture() {
    RegisterMarkerDialogs(ui);
    for (const char* path : {"/survey/DAT_0001.rd3", "/survey/DAT_0002.rd3"}) {
      auto profile = std::make_unique<KGPSProfile>();
      profile->dataPath = path;
      profile->header.lastTrace = 100;
      profile->header.samples = 50;
      if (doc.project.sets.empty()) doc.project.sets.push_back(std::make_unique<KRadarProfileSet>());
      doc.project.sets.front()->profiles.push_back(std::move(profile));
    }
    AddMarker(0, 10, 5, 1, "pipe");
    AddMarker(0, 20, 6, 2, "");
    AddMarker(1, 30, 7, 1, "void");
    doc.project.sets.front()->profiles[1]->markers.items.back().visible = 0;
    host.list.MarkersChanged(0, &doc);
    list.resize(500, 200);
    list.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&list));
  }
  void AddMarker(std::size_t profile, int trace, int sample, int type, const std::string& comment) {
    KMarker m;
    m.trace = trace;
    m.sample = sample;
    m.type = static_cast<std::int16_t>(type);
    m.comment = comment;
    doc.project.sets.front()->profiles[profile]->markers.items.push_back(m);
  }
  QString Cell(int row, int column) const { return list.model()->index(row, column).data().toString(); }
  void ClickRow(int row, Qt::KeyboardModifiers modifiers = {}) {
    const QRect place = list.visualRect(list.model()->index(row, 1));
    QTest::mouseClick(list.viewport(), Qt::LeftButton, modifiers, place.center());
  }
  std::vector<int> QtSelectedRows() const {
    std::vector<int> rows;
    for (const QModelIndex& index : list.selectionModel()->selectedRows()) rows.push_back(index.row());
    std::sort(rows.begin(), rows.end());
    return rows;
  }

  MemorySettingsStore store;
  QtUserInterface ui;
  AppContext context{store, ui};
  ScopedAppContext scope{context};
  HeadlessDocumentHost host;
  CTarvixDoc doc{host};
  CMarkerList list{host.list};
};

TEST(MarkerListTest, RowsShowTheModelsTextsColumnsAndColours) {
  ListFixture f;
  ASSERT_EQ(f.list.model()->rowCount(), 3);
  const int widths[] = {100, 60, 60, 60, 150};
  const char* titles[] = {"Profile", "Type", "Trace", "Sample", "Comment"};
  for (int c = 0; c < 5; ++c) {
    EXPECT_EQ(f.list.header()->sectionSize(c), widths[c]);
    EXPECT_EQ(f.list.model()->headerData(c, Qt::Horizontal).toString(), QString::fromLatin1(titles[c]));
  }
  EXPECT_EQ(f.Cell(0, 0), QStringLiteral(" DAT_0001.rd3"));
  EXPECT_EQ(f.Cell(1, 1), QStringLiteral(" 2"));
  EXPECT_EQ(f.Cell(2, 4), QStringLiteral(" void"));
  EXPECT_EQ(f.list.model()->index(2, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(208, 208, 208));
  EXPECT_EQ(f.list.model()->index(0, 0).data(Qt::ForegroundRole).value<QColor>(), QColor(255, 0, 0));
}

TEST(MarkerListTest, ClicksAndTheViewsShareOneSelection) {
  ListFixture f;
  f.ClickRow(1);
  EXPECT_TRUE(f.host.list.IsMarkerSelected(1));
  EXPECT_EQ(f.doc.state.selectedMarker, 1);
  f.ClickRow(2, Qt::ControlModifier);
  EXPECT_EQ(f.QtSelectedRows(), (std::vector<int>{1, 2}));
  EXPECT_EQ(f.doc.state.selectedMarker, 2);
  // A plain click moves the selection: the losses come first, so the clicked row is the document's.
  f.ClickRow(0);
  EXPECT_EQ(f.QtSelectedRows(), std::vector<int>{0});
  EXPECT_EQ(f.doc.state.selectedMarker, 0);
  // Selected from the profile view: the list shows it too.
  f.host.list.SelectMarker(2, true);
  EXPECT_EQ(f.QtSelectedRows(), (std::vector<int>{0, 2}));
  f.host.list.SelectMarker(-1, false);
  EXPECT_TRUE(f.QtSelectedRows().empty());
  EXPECT_EQ(f.doc.state.selectedMarker, -1);
  // Dragging over the rows selects nothing more.
  const QRect first = f.list.visualRect(f.list.model()->index(0, 1));
  const QRect last = f.list.visualRect(f.list.model()->index(2, 1));
  QTest::mousePress(f.list.viewport(), Qt::LeftButton, {}, first.center());
  QTest::mouseMove(f.list.viewport(), last.center());
  QTest::mouseRelease(f.list.viewport(), Qt::LeftButton, {}, last.center());
  EXPECT_EQ(f.QtSelectedRows(), std::vector<int>{0});
}

TEST(MarkerListTest, EditingThroughTheDialogChangesTheRowAfterRefusingABadTrace) {
  ListFixture f;
  f.ClickRow(1);
  QString refusal;
  ModalScript script({[](QWidget* modal) {
                        auto* dialog = As<CMrkDlgDialog>(modal);
                        ASSERT_NE(dialog, nullptr);
                        EXPECT_TRUE(dialog->findChild<QLineEdit*>(QStringLiteral("trace"))->isEnabled());
                        dialog->findChild<QLineEdit*>(QStringLiteral("trace"))->setText(QStringLiteral("100"));
                        dialog->findChild<QPlainTextEdit*>(QStringLiteral("comment"))->setPlainText(QStringLiteral("cable"));
                        dialog->findChild<QComboBox*>(QStringLiteral("type"))->setCurrentIndex(4);
                        // Refused: the dialog stays open behind the error box.
                        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
                      },
                      [&refusal](QWidget* modal) {
                        auto* box = As<QMessageBox>(modal);
                        ASSERT_NE(box, nullptr);
                        refusal = box->text();
                        box->button(QMessageBox::Ok)->click();
                        auto* dialog = qobject_cast<CMrkDlgDialog*>(QApplication::activeModalWidget());
                        if (!dialog) {
                          for (QWidget* w : QApplication::topLevelWidgets())
                            if (auto* d = qobject_cast<CMrkDlgDialog*>(w); d && d->isVisible()) dialog = d;
                        }
                        ASSERT_NE(dialog, nullptr);
                        dialog->findChild<QLineEdit*>(QStringLiteral("trace"))->setText(QStringLiteral("99"));
                        QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
                      }});
  f.doc.EditSelectedMarker();
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(refusal, QStringLiteral("Trace or sample number is greater than maximum value!"));
  EXPECT_EQ(f.Cell(1, 2), QStringLiteral(" 99"));
  EXPECT_EQ(f.Cell(1, 4), QStringLiteral(" cable"));
  EXPECT_EQ(f.Cell(1, 1), QStringLiteral(" 4"));
}

TEST(MarkerListTest, TheTypeChoiceReturnsTheChosenEntry) {
  ListFixture f;
  CMarkExport model;
  ModalScript script({[](QWidget* modal) {
    auto* dialog = As<CMarkExportDialog>(modal);
    ASSERT_NE(dialog, nullptr);
    auto* types = dialog->findChild<QComboBox*>(QStringLiteral("types"));
    EXPECT_EQ(types->count(), 14);
    EXPECT_EQ(types->currentIndex(), 0);
    EXPECT_EQ(types->itemText(3), QStringLiteral("Type 4"));
    types->setCurrentIndex(6);
    dialog->accept();
  }});
  EXPECT_TRUE(App().ui.RunModal(model));
  EXPECT_TRUE(script.Done());
  EXPECT_EQ(model.selected, 6);
}

}  // namespace
}  // namespace tarvix
