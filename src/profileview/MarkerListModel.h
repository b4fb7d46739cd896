#pragma once
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "platform/Colour.h"

namespace tarvix {

class KMarker;
class KRadarProfile;
class MarkerListDocument;

// The list of every marker of the open project, one row per marker in global order, and the
// one selection of markers that the views, the exports and marker deletion ask.
class MarkerListModel {
 public:
  struct Column {
    const char* title;
    int width;  // pixels
  };
  static constexpr std::array<Column, 5> kColumns = {
      {{"Profile", 100}, {"Type", 60}, {"Trace", 60}, {"Sample", 60}, {"Comment", 150}}};
  static constexpr Colour kSelectedText = Rgb(255, 255, 255);
  static constexpr Colour kSelectedBackground = Rgb(0, 127, 127);

  using Row = std::array<std::string, kColumns.size()>;
  struct RowColours {
    Colour text;
    std::optional<Colour> background;  // none: the list's own background
  };

  // What the list's view is told; every call comes after the model has changed.
  class Observer {
   public:
    virtual ~Observer() = default;
    virtual void RowsReset() = 0;
    virtual void RowChanged(int row) = 0;
    virtual void SelectionChanged(int row) = 0;
    // The row was selected without keeping the scroll position: bring it into view.
    virtual void RevealRow(int row) = 0;
  };

  void SetObserver(Observer* observer) { observer_ = observer; }

  // Row 0: every row is dropped and, with a document, the list is filled from it and remembers
  // it (no row selected). Row r > 0: the cells of row r − 1 are set again from its marker.
  void MarkersChanged(int row, MarkerListDocument* document);
  bool IsMarkerSelected(int index) const;
  // Index −1 clears the selection; otherwise that row joins the selection.
  void SelectMarker(int index, bool keepScroll);
  // One row's selection changes (a click in the list, or SelectMarker): the document's selected
  // marker follows and its views repaint.
  void SetRowSelected(int row, bool selected);

  int RowCount() const { return static_cast<int>(rows_.size()); }
  const Row& RowTexts(int row) const { return rows_.at(static_cast<std::size_t>(row)); }
  RowColours ColoursOf(int row) const;
  MarkerListDocument* Document() const { return document_; }

  static Row RowOf(const KRadarProfile& profile, const KMarker& marker);

 private:
  bool IsRow(int row) const { return row >= 0 && row < RowCount(); }

  std::vector<Row> rows_;
  std::vector<bool> selected_;
  MarkerListDocument* document_ = nullptr;
  Observer* observer_ = nullptr;
};

}  // namespace tarvix
