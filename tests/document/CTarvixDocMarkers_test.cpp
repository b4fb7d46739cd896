#include "document/DocumentFixture.h"

namespace tarvix {
namespace {

using testing::DocumentFixture;
using testing::EventLog;

// Markers m0, m1 on a1; m2 on a2; m3 on b1, listed in that order.
struct MarkerFixture : DocumentFixture {
  MarkerFixture() {
    OpenSite();
    AddMarker(0, 0, 1, "m0");
    AddMarker(0, 0, 2, "m1");
    AddMarker(0, 1, 3, "m2");
    AddMarker(1, 0, 4, "m3");
    host.list.MarkersChanged(0, doc.get());
    doc->AttachView(view);
  }
  testing::RecordingProfileView view{host.log};
};

TEST(DeleteSelectedMarkersTest, AsksForOneOrSeveralAndRemovesTheSelectedRows) {
  struct Case {
    std::vector<int> selected;
    MessageAnswer answer;
    const char* question;
    std::vector<std::string> remaining;
  };
  const Case cases[] = {
      {{1}, MessageAnswer::Yes, "Do you want to delete the marker?", {"m0", "m2", "m3"}},
      {{0, 3}, MessageAnswer::Yes, "Do you want to delete the selected markers?", {"m1", "m2"}},
      {{0, 1, 2, 3}, MessageAnswer::Yes, "Do you want to delete the selected markers?", {}},
      {{1, 2}, MessageAnswer::No, "Do you want to delete the selected markers?", {"m0", "m1", "m2", "m3"}},
  };
  for (const auto& c : cases) {
    MarkerFixture f;
    for (int row : c.selected) f.host.list.SelectMarker(row, true);
    f.host.log.clear();
    f.app.ui.Answer(c.answer);
    f.doc->DeleteSelectedMarkers();

    ASSERT_EQ(f.app.ui.messages.size(), 1u);
    const auto& question = f.app.ui.messages[0];
    EXPECT_EQ(question.text, c.question);
    EXPECT_EQ(question.caption, "Warning");
    EXPECT_EQ(question.buttons, MessageButtons::YesNo);
    EXPECT_EQ(question.icon, MessageIcon::Question);
    EXPECT_EQ(f.Comments(), c.remaining);
    const bool deleted = c.answer == MessageAnswer::Yes;
    EXPECT_EQ(f.doc->IsModified(), deleted);
    EXPECT_EQ(f.host.log, deleted ? EventLog{"profile update 0"} : EventLog{});
    EXPECT_EQ(f.host.list.RowCount(), static_cast<int>(c.remaining.size()));
    if (deleted) {
      EXPECT_FALSE(f.host.list.IsMarkerSelected(0));  // the list was filled again
      EXPECT_EQ(f.doc->state.selectedMarker, -1);
      EXPECT_EQ(f.doc->state.selectedMarkerRef, nullptr);
    } else {
      EXPECT_EQ(f.doc->state.selectedMarker, c.selected.back());
    }
  }
}

TEST(DeleteSelectedMarkersTest, WithoutASelectedRowNothingIsAsked) {
  MarkerFixture f;
  f.doc->DeleteSelectedMarkers();  // no marker selected at all
  f.host.list.SelectMarker(2, true);
  f.host.list.MarkersChanged(0, f.doc.get());  // a refill keeps the document's selected marker
  EXPECT_EQ(f.doc->state.selectedMarker, 2);
  f.doc->DeleteSelectedMarkers();
  EXPECT_TRUE(f.app.ui.messages.empty());
  EXPECT_EQ(f.doc->state.selectedMarker, -1);
  EXPECT_EQ(f.doc->state.selectedMarkerRef, nullptr);
  EXPECT_EQ(f.Comments().size(), 4u);
  EXPECT_FALSE(f.doc->IsModified());
}

}  // namespace
}  // namespace tarvix
