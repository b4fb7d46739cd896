#include "profileview/CTarvixView.h"

#include <algorithm>
#include <cstdlib>

#include "app/AppContext.h"
#include "app/TextHelpers.h"
#include "document/CTarvixDoc.h"
#include "platform/UserInterface.h"
#include "profileview/AxisTitles.h"
#include "profileview/MarkerDrawing.h"
#include "profileview/MarkerListModel.h"
#include "profileview/ProfileViewWindow.h"

namespace tarvix {

namespace {

constexpr Colour kWhite = Rgb(255, 255, 255);
constexpr Colour kBlack = Rgb(0, 0, 0);
constexpr Colour kSeparator = Rgb(255, 192, 192);
constexpr Colour kCrossing = Rgb(255, 0, 0);
const Font kNameFont{"Arial", 12, 700, 2700};
constexpr int kVisibleMarkerType = 13;  // numbered V1, V2, ... instead of its comment
constexpr int kNumberedMarkerType = 20;  // numbered G1, G2, ...
// From this many traces on, the axis labels every tenth tick rather than every fifth.
constexpr int kLongProfileTraces = 100000;

// A window scroll bar can scroll when its last position lies beyond its first.
bool CanScroll(const ScrollBarState& bar) { return bar.max - std::max(bar.page - 1, 0) > bar.min; }

// The global index of the first marker of `profile` in `set`: every marker before it counts.
int FirstGlobalMarker(const KTarvixProject& project, int set, int profile) {
  int global = 0;
  for (int i = 0; i <= set && i < static_cast<int>(project.sets.size()); ++i) {
    const auto& profiles = project.sets[static_cast<std::size_t>(i)]->profiles;
    const int end = i < set ? static_cast<int>(profiles.size()) : profile;
    for (int j = 0; j < end; ++j) global += static_cast<int>(profiles[static_cast<std::size_t>(j)]->markers.items.size());
  }
  return global;
}

}  // namespace

CTarvixView::CTarvixView(CTarvixDoc& document, const MarkerListModel& markerList)
    : doc_(document), markerList_(markerList) {
  image_.Resize(1, 1);
}

std::vector<DisplayedProfile> CTarvixView::Displayed() const {
  return DisplayedProfiles(doc_.project, doc_.state, App().settings.MaxProfile);
}

int CTarvixView::DisplayedCount() const {
  return tarvix::DisplayedCount(doc_.project, doc_.state, App().settings.MaxProfile);
}

CTarvixView::ScrollPosition CTarvixView::Current() const {
  return {doc_.state.firstColumn, doc_.state.firstSample};
}

int CTarvixView::CrossingColumn() const {
  const auto& crossings = doc_.state.crossingColumn;
  const int set = doc_.state.currentSet;
  return set >= 0 && set < static_cast<int>(crossings.size()) ? crossings[static_cast<std::size_t>(set)] : 0;
}

void CTarvixView::OnUpdate(int hint) {
  if (hint != 0) SetupScrollBars();
  if (window_) window_->Invalidate();
}

void CTarvixView::RepaintNow() {
  if (window_) window_->UpdateNow();
}

void CTarvixView::PlaceScrollBars() {
  const int t = kScrollBarThickness;
  horizontal_.place = {0, client_.cy - t, client_.cx - t, client_.cy};
  vertical_.place = {client_.cx - t, 0, client_.cx, client_.cy - t};
}

void CTarvixView::ApplyScrollBars() {
  if (window_) window_->ApplyScrollBars(horizontal_, vertical_);
}

void CTarvixView::OnSize(int cx, int cy) {
  client_ = {cx, cy};
  if (cx == 0 || cy == 0) return;
  const Rect image = ImageRect();
  doc_.state.imageWidth = image.Width();
  if (image.Width() > 0 && image.Height() > 0) image_.Resize(image.Width(), image.Height());
  PlaceScrollBars();
  ApplyScrollBars();
  SetupScrollBars();
}

void CTarvixView::OnInitialUpdate() {
  OnUpdate(0);
  if (!doc_.state.CurrentSet(doc_.project)) return;
  const Rect image = ImageRect();
  if (image.Width() > 0 && image.Height() > 0) image_.Resize(image.Width(), image.Height());
  PlaceScrollBars();
  previousScroll = Current();
  SetupScrollBars();
  if (!ReloadTraceWindow())
    App().ui.ShowMessage({"One or more profiles can contain different amount of samples! It can cause that they "
                          "will be showed wrong!",
                          "ERROR", MessageIcon::Error, MessageButtons::Ok});
}

Rect CTarvixView::ImageRect() {
  const Rect client = Rect{0, 0, client_.cx - kHorizontalMargin, client_.cy - kVerticalMargin}.Offset(
      kOrigin.x, kOrigin.y);
  const auto bands = Displayed();
  if (bands.empty() || bands.back().samples == 0) return client;

  auto& state = doc_.state;
  int end = 0;
  for (const auto& band : bands) end = std::max(end, band.EndColumn());
  const int n = static_cast<int>(bands.size());
  const int firstSamples = bands.front().samples;
  const int w = client.Width();
  const int h = client.Height();
  if (end - state.firstColumn < w && end > w) {
    state.firstColumn = std::max(0, end - w);
    previousScroll = Current();
  }
  if (n * (firstSamples - state.firstSample) < h) {
    state.firstSample = std::max(0, state.firstSample + n * (firstSamples - state.firstSample) - h);
    previousScroll = Current();
  }
  return Rect{0, 0, std::min(w, end - state.firstColumn), std::min(h, n * (firstSamples - state.firstSample))}.Offset(
      kOrigin.x, kOrigin.y);
}

void CTarvixView::SetupScrollBars() {
  const auto bands = Displayed();
  if (bands.empty()) return;
  auto& state = doc_.state;
  int largestShift = bands.front().shift;
  int maxColumn = bands.front().EndColumn();
  for (const auto& band : bands) {
    largestShift = std::max(largestShift, band.shift);
    maxColumn = std::max(maxColumn, band.EndColumn());
  }
  const int minColumn = -largestShift;
  if (state.firstColumn < minColumn || state.firstColumn > maxColumn) state.firstColumn = minColumn;
  previousScroll = Current();
  const Rect image = ImageRect();

  horizontal_.min = minColumn;
  horizontal_.max = maxColumn;
  horizontal_.page = image.Width();
  horizontal_.position = state.firstColumn;
  horizontal_.enabled = CanScroll(horizontal_);
  vertical_.min = 0;
  vertical_.max = bands.front().samples;
  vertical_.page = image.Height() / static_cast<int>(bands.size());
  vertical_.position = state.firstSample;
  vertical_.enabled = CanScroll(vertical_);
  ApplyScrollBars();
}

bool CTarvixView::ReloadTraceWindow() {
  const auto bands = Displayed();
  if (doc_.state.currentSet < 0 || bands.empty()) return true;
  TraceReading reading;
  reading.wide = App().is32BitData;
  reading.filtered = filtersEnabled;
  reading.migrate = doc_.state.migrationOn;
  reading.velocity = App().settings.Velocity;
  reading.zeroLevel = App().settings.ZeroLevel;
  std::optional<WaitCursor> wait;
  if (reading.migrate) wait.emplace(App().ui);
  return traces_.Load(bands, reading);
}

std::optional<std::size_t> CTarvixView::WindowFor(std::size_t blockOffset, int column, int width, int samples) {
  // A width the window can never hold shows the colour of 0 without reading again at every paint.
  if (width < TraceWindow::kTraces && traces_.Leaves(column, width)) {
    traces_.start = TraceWindow::StartFor(column, width);
    ReloadTraceWindow();
  }
  return traces_.Position(blockOffset, column, width, samples);
}

void CTarvixView::OnDraw(Canvas& canvas) {
  canvas.FillRect({0, 0, client_.cx, client_.cy}, kWhite);
  const Rect image = ImageRect();
  const int w = image.Width();
  const int h = image.Height();
  doc_.state.imageWidth = w;
  const auto bands = Displayed();
  if (h <= 0 || w <= 0 || bands.empty() || doc_.state.currentSet < 0) {
    previousScroll = Current();
    return;
  }
  const int bandHeight = h / static_cast<int>(bands.size());

  UpdateImage(bands, w, h);
  canvas.DrawImage(image, image_.View());

  const bool nameFont = canvas.SetFont(kNameFont);
  if (!nameFont) ShowFontError();
  DrawMarkers(canvas, bands, w, bandHeight);
  DrawProfileNames(canvas, bands, w, h, nameFont);
  DrawBandSeparators(canvas, static_cast<int>(bands.size()), bandHeight);
  DrawCrossingLine(canvas, w, h);
  DrawAxes(canvas, bands, w, h);
  previousScroll = Current();
}

void CTarvixView::UpdateImage(const std::vector<DisplayedProfile>& bands, int w, int h) {
  // A window read for other profiles (the set, the first profile or the band count changed
  // since) would be painted from the wrong blocks.
  if (!traces_.HoldsBands(bands)) ReloadTraceWindow();
  if (colours_.Prepare(App().settings.Palette)) ++colourGeneration_;

  const auto& state = doc_.state;
  std::vector<std::optional<std::size_t>> positions;
  for (std::size_t k = 0; k < bands.size(); ++k)
    positions.push_back(WindowFor(traces_.BlockOffset(k), state.firstColumn, w, bands[k].samples));

  ImageSource source;
  for (const auto& band : bands) source.profiles.push_back(band.profile);
  source.traceGeneration = traces_.Generation();
  source.colourGeneration = colourGeneration_;

  const int n = static_cast<int>(bands.size());
  const int bandHeight = h / n;
  const int dx = state.firstColumn - previousScroll.column;
  const int dy = state.firstSample - previousScroll.sample;
  // Only a scroll of at most a page, with nothing else changed, keeps pixels.
  const bool reuse = (dx != 0 || dy != 0) && std::abs(dx) <= w && std::abs(dy) <= bandHeight &&
                     image_.HasSize(w, h) && source == imageSource_;
  imageSource_ = std::move(source);

  if (!reuse) {
    image_.Resize(w, h);
    for (int k = 0; k < n; ++k) ComputePixels(bands[k], positions[k], k * bandHeight, 0, w, 0, bandHeight);
    update_ = {w, 0};
    return;
  }
  image_.ShiftColumns(dx);
  image_.ShiftRowsInBands(dy, bandHeight, n);
  const int x0 = dx > 0 ? w - dx : 0;
  const int x1 = dx > 0 ? w : -dx;
  const int r0 = dy > 0 ? bandHeight - dy : 0;
  const int r1 = dy > 0 ? bandHeight : -dy;
  for (int k = 0; k < n; ++k) {
    ComputePixels(bands[k], positions[k], k * bandHeight, x0, x1, 0, bandHeight);
    ComputePixels(bands[k], positions[k], k * bandHeight, 0, w, r0, r1);
  }
  update_ = {x1 - x0, r1 - r0};
}

void CTarvixView::ComputePixels(const DisplayedProfile& band, std::optional<std::size_t> position, int top, int x0,
                                int x1, int r0, int r1) {
  if (x0 >= x1 || r0 >= r1) return;
  const int w = image_.Width();
  const Colour zero = colours_.ZeroColour();
  const int firstSample = doc_.state.firstSample;
  // Rows [a, b) of the range have a sample; the others show the colour of 0.
  const int a = position ? std::clamp(-firstSample, r0, r1) : r1;
  const int b = position ? std::clamp(band.samples - firstSample, a, r1) : r1;
  for (int r = r0; r < r1; ++r) {
    if (r == a) r = b;
    if (r >= r1) break;
    std::fill(image_.Row(top + r) + x0, image_.Row(top + r) + x1, zero);
  }
  if (a == b) return;
  const std::size_t first = *position + static_cast<std::size_t>(band.samples) * static_cast<std::size_t>(x0) +
                            static_cast<std::size_t>(firstSample + a);
  std::uint32_t* out = image_.Row(top + a) + x0;
  if (traces_.IsWide())
    colours_.Map32(traces_.Samples32() + first, band.samples, x1 - x0, b - a, out, w);
  else
    colours_.Map16(traces_.Samples16() + first, band.samples, x1 - x0, b - a, out, w);
}

void CTarvixView::DrawMarkers(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int bandHeight) {
  const auto& state = doc_.state;
  canvas.SetPen({kBlack, 1, PenStyle::Solid});
  canvas.SetTextColour(kBlack);
  int global = FirstGlobalMarker(doc_.project, state.currentSet, bands.front().indexInSet);
  int numbered13 = 0;
  int numbered20 = 0;
  for (std::size_t k = 0; k < bands.size(); ++k) {
    const int top = static_cast<int>(k) * bandHeight;
    for (const KMarker& marker : bands[k].profile->markers.items) {
      const int index = global++;
      if (marker.visible == 0) continue;
      const int x = bands[k].ColumnOfTrace(marker.trace) - state.firstColumn;
      const int y = marker.sample - state.firstSample;
      if (x < 0 || x > w || y < 0 || y > bandHeight - 2) continue;
      const Point at{kOrigin.x + x, kOrigin.y + top + y};
      DrawMarkerSymbol(canvas, at, marker.type, 1.0);
      if (markerList_.IsMarkerSelected(index)) {
        canvas.SetPen({kBlack, 1, PenStyle::Solid});
        canvas.SetBrush({kBlack, BrushStyle::None});
        canvas.Rectangle({at.x - 12, at.y - 12, at.x + 12, at.y + 12});
      }
      std::string label = marker.comment;
      if (marker.type == kVisibleMarkerType) label = "V" + std::to_string(++numbered13);
      if (marker.type == kNumberedMarkerType) label = "G" + std::to_string(++numbered20);
      DrawMarkerLabel(canvas, {x + 15, top + y + 15}, label, {w - x - 15, bandHeight - y - 15}, 1.0, kOrigin);
    }
  }
}

void CTarvixView::DrawProfileNames(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int h,
                                   bool nameFont) {
  // The marker labels have selected their own font since.
  if (nameFont) canvas.SetFont(kNameFont);
  canvas.SetTextColour(kBlack);
  canvas.SetBackgroundMode(BackgroundMode::Transparent);
  canvas.SetTextAlign({HAlign::Left, VAlign::Top});
  const int n = static_cast<int>(bands.size());
  for (int k = 0; k < n; ++k)
    canvas.TextOut({kOrigin.x + w + 54, kOrigin.y + (k * h) / n + 20},
                   FileNameOfPath(bands[static_cast<std::size_t>(k)].profile->GetDataPath()));
}

void CTarvixView::DrawBandSeparators(Canvas& canvas, int bands, int bandHeight) {
  canvas.SetPen({kSeparator, 2, PenStyle::Solid});
  for (int k = 1; k < bands; ++k) {
    const int y = kOrigin.y + k * bandHeight - 1;
    canvas.Line({0, y}, {client_.cx, y});
  }
}

void CTarvixView::DrawCrossingLine(Canvas& canvas, int w, int h) {
  const int x = CrossingColumn() - doc_.state.firstColumn;
  if (x <= 0 || x >= w) return;
  canvas.SetPen({kCrossing, 2, PenStyle::Solid});
  canvas.Line({kOrigin.x + x, kOrigin.y}, {kOrigin.x + x, kOrigin.y + h - 5});
}

void CTarvixView::DrawAxes(Canvas& canvas, const std::vector<DisplayedProfile>& bands, int w, int h) {
  const auto& settings = App().settings;
  const auto& state = doc_.state;
  const KHeaderInfo& header = bands.back().profile->header;
  double unitX = header.GetTraceInterval();
  if (header.distanceFlag != 0) unitX = MetresToDisplay(unitX);
  const double unitY = settings.VertScale == 1 ? MetresToDisplay(settings.Velocity * 0.5) / header.GetFrequency()
                                               : 1000.0 / header.GetFrequency();
  int longest = 0;
  for (const auto& band : bands) longest = std::max(longest, band.traces);

  const int x0 = state.firstColumn - CrossingColumn();
  axes_.Configure({kOrigin.x, kOrigin.y, kOrigin.x + w, kOrigin.y + h - 4},
                  {x0, state.firstSample, x0 + w, state.firstSample + h - 4}, {unitX, unitY}, settings.ZeroLevel,
                  static_cast<int>(bands.size()), true, longest >= kLongProfileTraces ? 10 : 5, AxisMode::Linear);
  axes_.scaleFactor = 1.0;
  SetAxisTitles(axes_, header.distanceFlag != 0);
  axes_.Draw(canvas, AxisSide::All);
}

}  // namespace tarvix
