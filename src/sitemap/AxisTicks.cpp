#include "sitemap/AxisTicks.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>

#include "sitemap/Geodesy.h"

namespace tarvix {

namespace {

constexpr const char* kDegreeSign = "\u00B0";

// The label formats come from the fixed tables below, never from outside.
template <typename... Args>
std::string Printf(const std::string& format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
  if (size <= 0) return {};
  std::string text(static_cast<std::size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), args...);
  text.resize(static_cast<std::size_t>(size));
  return text;
}

double Extent(int from, int to) { return static_cast<double>(to) - static_cast<double>(from); }

bool IsUsableFactor(double value) { return std::isfinite(value) && value > 0 && std::isfinite(1.0 / value); }

// Pixels between ticks and the data step they stand for.
struct Spacing {
  double pixels;
  double step;
};

// Powers of five bring the spacing into [minimum, 30] pixels, times the scale factor.
Spacing FindSpacing(double unitsPerPixel, int edge, double scaleFactor) {
  Spacing spacing{1.0 / unitsPerPixel, 1.0};
  while (spacing.pixels > 30.0 * scaleFactor) {
    spacing.pixels /= 5.0;
    spacing.step /= 5.0;
  }
  // Seven-digit labels need a little more room.
  const double minimum = std::trunc(edge * unitsPerPixel) > 999999.0 ? 6.0 : 5.0;
  while (spacing.pixels < minimum * scaleFactor) {
    spacing.pixels *= 5.0;
    spacing.step *= 5.0;
  }
  return spacing;
}

std::string LabelOf(bool labelled, const std::string& format, double value) {
  return labelled ? Printf(format, value) : std::string();
}

void AddLinearYTicks(const AxisScale& scale, Spacing y, double stripEnd, bool everyTick, AxisTicks& ticks) {
  const DataRect& data = scale.dataRect;
  const auto add = [&](double offset, double value, long long count) {
    const double pixel = scale.valuesDown ? scale.plotRect.top + offset : scale.plotRect.bottom - offset;
    ticks.yTicks.push_back(TruncToPixel(pixel));
    ticks.yLabels.push_back(LabelOf(everyTick || count % 5 == 0, ticks.yLabelFormat, value));
  };
  const double zero = static_cast<double>(scale.zeroLevel) - data.y0;
  // From the zero level toward the first edge.
  if (zero > 0) {
    double offset = zero;
    double value = 0.0;
    long long count = 0;
    do {
      if (offset < Extent(data.y0, data.y1)) add(offset, value, count);
      offset -= y.pixels;
      value -= y.step;
      ++count;
    } while (offset >= 0);
  }
  // From the zero level toward the end of the first strip; the zero tick may come twice.
  double offset = zero;
  double value = 0.0;
  for (long long count = 0; offset < stripEnd - data.y0; ++count) {
    if (offset >= 0) add(offset, value, count);
    offset += y.pixels;
    value += y.step;
  }
}

void AddLinearXTicks(const AxisScale& scale, Spacing x, AxisTicks& ticks) {
  const DataRect& data = scale.dataRect;
  const long long every = std::max(1, scale.xLabelEvery);
  const double left = scale.plotRect.left;
  const auto add = [&](double pixel, double value, long long count) {
    ticks.xTicks.push_back(TruncToPixel(pixel));
    ticks.xLabels.push_back(LabelOf(count % every == 0, ticks.xLabelFormat, value));
  };
  // Left of the origin, when it lies right of the left edge; the origin itself comes below.
  const double origin = -static_cast<double>(data.x0);
  if (origin > 0) {
    const double skip = data.x1 < 0 ? -static_cast<double>(data.x1) : 0.0;
    double distance = 0.0;
    double value = 0.0;
    long long count = 0;
    do {
      if (distance > skip) add(left - distance - data.x0, value, count);
      distance += x.pixels;
      value -= x.step;
      ++count;
    } while (distance < origin);
  }
  double offset = origin;
  double value = 0.0;
  for (long long count = 0; offset < Extent(data.x0, data.x1); ++count) {
    if (offset >= 0) add(left + offset, value, count);
    offset += x.pixels;
    value += x.step;
  }
}

std::string UtmLabelFormat(float step) {
  if (step < 0.02) return "%10.3f";
  if (step < 0.2) return "%9.2f";
  if (step < 2) return "%8.1f";
  return "%7.0f";
}

void InterpolateLabels(std::vector<std::string>& labels, double first, double last, std::string& format) {
  const std::size_t count = labels.size();
  // A single tick has no step; it shows its own corner value.
  const float step = count > 1 ? static_cast<float>((last - first) / static_cast<double>(count - 1)) : 0.0f;
  format = UtmLabelFormat(step);
  for (std::size_t i = 0; i < count; ++i)
    labels[i] = Printf(format, first + static_cast<double>(static_cast<float>(i) * step));
}

}  // namespace

int TruncToPixel(double value) {
  constexpr double lowest = std::numeric_limits<int>::min();
  constexpr double highest = std::numeric_limits<int>::max();
  return static_cast<int>(std::clamp(std::trunc(value), lowest, highest));
}

bool HasUsableScale(const AxisScale& scale) {
  return IsUsableFactor(scale.unitsPerPixel.x) && IsUsableFactor(scale.unitsPerPixel.y) &&
         IsUsableFactor(scale.scaleFactor);
}

std::string LinearLabelFormat(double step) {
  if (step < 0.01) return "%6.3f";
  if (step < 0.1) return "%5.2f";
  if (step < 1) return "%4.1f";
  return "%3.0f";
}

AxisTicks ComputeLinearTicks(const AxisScale& scale) {
  AxisTicks ticks;
  if (!HasUsableScale(scale)) return ticks;
  const DataRect& data = scale.dataRect;
  const Spacing x = FindSpacing(scale.unitsPerPixel.x, data.x0, scale.scaleFactor);
  const Spacing y = FindSpacing(scale.unitsPerPixel.y, data.y0, scale.scaleFactor);
  const double strips = scale.Strips() > 1 ? scale.Strips() * 1.06 : 1.0;
  const double stripEnd = std::trunc(Extent(data.y0, data.y1) / strips + data.y0);
  // A short plot labels every y tick; such labels need the step's own format, wherever the plot
  // lies from the origin.
  const bool everyYTick = y.pixels > 9 && Extent(data.y0, data.y1) / y.pixels < 5;
  const bool formatFromStep = everyYTick || (y.pixels > 9 && stripEnd / y.pixels < 5);
  ticks.xLabelFormat = LinearLabelFormat(formatFromStep ? x.step : 5 * x.step);
  ticks.yLabelFormat = LinearLabelFormat(formatFromStep ? y.step : 5 * y.step);
  AddLinearYTicks(scale, y, stripEnd, everyYTick, ticks);
  AddLinearXTicks(scale, x, ticks);
  return ticks;
}

std::string SecondsFormat(double valueStep) {
  const float seconds = static_cast<float>(valueStep * 36.0 / 1000.0);
  if (seconds < 0.02) return "%05.3f";
  if (seconds < 0.2) return "%04.2f";
  if (seconds < 2) return "%03.1f";
  return "%02.0f";
}

std::string DmsLabel(double degrees, const std::string& secondsFormat) {
  const int whole = static_cast<int>(std::trunc(degrees));
  const float seconds = static_cast<float>((degrees - whole) * 3600.0);
  const int minutes = static_cast<int>(seconds / 60.0f);
  const float rest = seconds - 60.0f * static_cast<float>(minutes);
  const bool negative = degrees < 0 || minutes < 0 || rest < 0;
  const std::string format =
      std::string(negative ? "-%d" : "%d") + kDegreeSign + "%02d' " + secondsFormat + "''";
  return Printf(format, std::abs(whole), std::abs(minutes), static_cast<double>(std::fabs(rest)));
}

AxisTicks ComputeGeographicTicks(const AxisScale& scale) {
  AxisTicks ticks;
  const DataRect& data = scale.dataRect;
  const Rect& plot = scale.plotRect;
  const double xExtent = Extent(data.x0, data.x1);
  const double yExtent = Extent(data.y0, data.y1);
  // The map keeps one scale in both directions, so one step serves both axes.
  const double valueStep = std::max(xExtent / 5, yExtent / 5);
  const double pixelStep = (xExtent > yExtent ? plot.right - plot.left : plot.bottom - plot.top) / 5.0;
  const std::string seconds = SecondsFormat(valueStep);
  ticks.xLabelFormat = seconds;
  ticks.yLabelFormat = seconds;
  ticks.latBottom = ticks.latTop = data.y0 / 100000.0;
  ticks.lonLeft = ticks.lonRight = data.x0 / 100000.0;
  // An empty plot has no ticks, and a step of zero would never leave it.
  if (!(pixelStep > 0)) return ticks;

  double value = data.y0;
  for (double pixel = plot.bottom; pixel > plot.top; pixel -= pixelStep, value += valueStep) {
    ticks.yTicks.push_back(TruncToPixel(pixel));
    ticks.latTop = value / 100000.0;
    ticks.yLabels.push_back(DmsLabel(ticks.latTop, seconds));
  }
  value = data.x0;
  for (double pixel = plot.left; pixel < plot.right; pixel += pixelStep, value += valueStep) {
    ticks.xTicks.push_back(TruncToPixel(pixel));
    ticks.lonRight = value / 100000.0;
    ticks.xLabels.push_back(DmsLabel(ticks.lonRight, seconds));
  }
  return ticks;
}

std::string RelabelUtm(AxisTicks& ticks) {
  ToUtmWgs84(ticks.latBottom, ticks.lonLeft);
  const std::string zone = ToUtmWgs84(ticks.latTop, ticks.lonRight);
  InterpolateLabels(ticks.yLabels, ticks.latBottom, ticks.latTop, ticks.yLabelFormat);
  InterpolateLabels(ticks.xLabels, ticks.lonLeft, ticks.lonRight, ticks.xLabelFormat);
  return zone;
}

}  // namespace tarvix
