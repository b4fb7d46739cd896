#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "document/ProfileDocumentView.h"
#include "platform/Canvas.h"
#include "profileview/DisplayedProfiles.h"
#include "profileview/ProfileImage.h"
#include "profileview/SampleColourMap.h"
#include "profileview/ScrollBarState.h"
#include "profileview/TraceWindow.h"
#include "sitemap/AxisFrame.h"

namespace tarvix {

class CTarvixDoc;
class MarkerListModel;
class ProfileViewWindow;

// The profile view without its window: the radargram bands of the shown set, their layout and
// scroll bars, the trace window they are painted from, and the paint onto an off-screen canvas
// of the client size. The widget that shows it forwards sizes and paints and applies the bars.
class CTarvixView : public ProfileDocumentView {
 public:
  static constexpr Point kOrigin{50, 50};
  // The client area left around the image: 120 pixels across, 100 down.
  static constexpr int kHorizontalMargin = 120;
  static constexpr int kVerticalMargin = 100;

  struct ScrollPosition {
    int column = 0;
    int sample = 0;
    friend bool operator==(const ScrollPosition&, const ScrollPosition&) = default;
  };

  // The strips of the image recomputed by the last paint: `columns` over all rows, `rows` (of
  // every band) over all columns. A paint that recomputes everything counts every column.
  struct ImageUpdate {
    int columns = 0;
    int rows = 0;
  };

  CTarvixView(CTarvixDoc& document, const MarkerListModel& markerList);

  // The window showing the view, or none (headless rendering).
  void SetWindow(ProfileViewWindow* window) { window_ = window; }

  void OnUpdate(int hint) override;
  void OnInitialUpdate() override;
  void RepaintNow() override;
  bool ReloadTraceWindow() override;
  void SetupScrollBars() override;
  void ToggleFilters() override { filtersEnabled = !filtersEnabled; }

  void OnSize(int cx, int cy);
  // The radargram's rectangle in client coordinates; pulls the scroll position back where the
  // image would end short of the data.
  Rect ImageRect();
  // Where the trace at display column `column` starts in the trace window, moving the window
  // (and reading it again) when [column, column + width) lies outside it; none when the width
  // cannot fit the window.
  std::optional<std::size_t> WindowFor(std::size_t blockOffset, int column, int width, int samples);
  // Paints the whole client area onto `canvas`, the off-screen image the window copies.
  void OnDraw(Canvas& canvas);

  std::vector<DisplayedProfile> Displayed() const;
  int DisplayedCount() const;

  bool filtersEnabled = true;
  // The scroll position at the end of the last paint.
  ScrollPosition previousScroll;

  Size ClientSize() const { return client_; }
  const ScrollBarState& HorizontalBar() const { return horizontal_; }
  const ScrollBarState& VerticalBar() const { return vertical_; }
  const ProfileImage& Image() const { return image_; }
  const TraceWindow& Traces() const { return traces_; }
  ImageUpdate LastImageUpdate() const { return update_; }
  const AxisFrame& Axes() const { return axes_; }

 private:
  // What the image's pixels were made from, so a scroll reuses them only when nothing else changed.
  struct ImageSource {
    std::vector<const KRadarProfile*> profiles;
    unsigned traceGeneration = 0;
    unsigned colourGeneration = 0;
    friend bool operator==(const ImageSource&, const ImageSource&) = default;
  };

  ScrollPosition Current() const;
  void PlaceScrollBars();
  void ApplyScrollBars();

  void UpdateImage(const std::vector<DisplayedProfile>& bands, int w, int h);
  void ComputePixels(const DisplayedProfile& band, std::optional<std::size_t> position, int top, int x0, int x1,
                     int r0, int r1);
  void DrawMarkers(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int bandHeight);
  void DrawProfileNames(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int h,
                        bool nameFont);
  void DrawBandSeparators(Canvas& canvas, int bands, int bandHeight);
  void DrawCrossingLine(Canvas& canvas, int w, int h);
  void DrawAxes(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int h);
  int CrossingColumn() const;

  CTarvixDoc& doc_;
  const MarkerListModel& markerList_;
  ProfileViewWindow* window_ = nullptr;
  Size client_;
  ScrollBarState horizontal_;
  ScrollBarState vertical_;
  ProfileImage image_;
  TraceWindow traces_;
  SampleColourMap colours_;
  unsigned colourGeneration_ = 0;
  ImageSource imageSource_;
  ImageUpdate update_;
  AxisFrame axes_;
};

}  // namespace tarvix
