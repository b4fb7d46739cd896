#include "profileview/MarkerListModel.h"

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "profileview/DisplayState.h"
#include "profileview/GlobalMarkers.h"
#include "profileview/MarkerListDocument.h"
#include "profileview/MarkerTypeColour.h"

namespace tarvix {

namespace {

// Types outside the named range are listed under the name of type 0, or by their number.
std::string TypeText(int type) {
  const auto& names = App().settings.markerTypeNames;
  const int named = type >= 0 && type < kMarkerTypeCount ? type : 0;
  const auto& name = names[static_cast<std::size_t>(named)];
  return " " + (name.empty() ? std::to_string(type) : name);
}

constexpr int kHiddenColourType = 10;

}  // namespace

MarkerListModel::Row MarkerListModel::RowOf(const KRadarProfile& profile, const KMarker& marker) {
  return {" " + FileNameOfPath(profile.GetDataPath()), TypeText(marker.type), " " + std::to_string(marker.trace),
          " " + std::to_string(marker.sample), " " + marker.comment};
}

void MarkerListModel::MarkersChanged(int row, MarkerListDocument* document) {
  if (row > 0) {
    if (!document_ || !IsRow(row - 1)) return;
    const auto place = FindMarker(document_->Project(), row - 1);
    if (!place.marker) return;
    rows_[static_cast<std::size_t>(row - 1)] = RowOf(*place.profile, *place.marker);
    if (observer_) observer_->RowChanged(row - 1);
    return;
  }
  rows_.clear();
  document_ = document;
  if (document_)
    ForEachMarker(document_->Project(),
                  [this](const KRadarProfile& profile, const KMarker& marker, int) { rows_.push_back(RowOf(profile, marker)); });
  selected_.assign(rows_.size(), false);
  if (observer_) observer_->RowsReset();
}

bool MarkerListModel::IsMarkerSelected(int index) const {
  return IsRow(index) && selected_[static_cast<std::size_t>(index)];
}

void MarkerListModel::SelectMarker(int index, bool keepScroll) {
  if (index == -1) {
    for (int row = 0; row < RowCount(); ++row)
      if (selected_[static_cast<std::size_t>(row)]) SetRowSelected(row, false);
    return;
  }
  if (!IsRow(index)) return;
  SetRowSelected(index, true);
  if (!keepScroll && observer_) observer_->RevealRow(index);
}

void MarkerListModel::SetRowSelected(int row, bool selected) {
  if (!IsRow(row) || selected_[static_cast<std::size_t>(row)] == selected) return;
  selected_[static_cast<std::size_t>(row)] = selected;
  if (document_) {
    auto& state = document_->State();
    if (selected) {
      state.selectedMarker = row;
      state.selectedMarkerRef = FindMarker(document_->Project(), row).marker;
    } else {
      state.ClearMarkerSelection();
    }
    document_->RepaintAllViews();
  }
  if (observer_) observer_->SelectionChanged(row);
}

MarkerListModel::RowColours MarkerListModel::ColoursOf(int row) const {
  if (IsMarkerSelected(row)) return {kSelectedText, kSelectedBackground};
  const KMarker* marker = document_ ? FindMarker(document_->Project(), row).marker : nullptr;
  if (!marker) return {Rgb(0, 0, 0), std::nullopt};
  const int type = marker->visible != 0 ? marker->type : kHiddenColourType;
  if (type == 4) return {Rgb(128, 128, 0), std::nullopt};  // yellow would not read on white
  if (type == kHiddenColourType) return {Rgb(208, 208, 208), std::nullopt};
  return {MarkerTypeColour(type), std::nullopt};
}

}  // namespace tarvix
