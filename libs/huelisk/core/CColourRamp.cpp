#include "core/CColourRamp.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace tarvix::huelisk {

namespace {

constexpr double kLastEntry = CPalette::kEntries - 1;

double ClampPosition(double position) { return std::isnan(position) ? 0.0 : std::clamp(position, 0.0, 1.0); }

std::uint32_t Mix(std::uint32_t from, std::uint32_t to, double f) {
  std::uint32_t rgb = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const double a = (from >> shift) & 0xFF;
    const double b = (to >> shift) & 0xFF;
    const auto channel = static_cast<std::uint32_t>(std::lround(a + (b - a) * f));
    rgb |= std::min(channel, 255u) << shift;
  }
  return rgb;
}

int ChannelDistance(std::uint32_t a, std::uint32_t b) {
  int distance = 0;
  for (int shift = 0; shift <= 16; shift += 8) {
    const int ca = static_cast<int>((a >> shift) & 0xFF);
    const int cb = static_cast<int>((b >> shift) & 0xFF);
    distance = std::max(distance, std::abs(ca - cb));
  }
  return distance;
}

double EntryPosition(std::size_t k) { return static_cast<double>(k) / kLastEntry; }

}  // namespace

CColourRamp::CColourRamp(std::vector<CColourStop> stops) {
  for (CColourStop& stop : stops) {
    stop.position = ClampPosition(stop.position);
    stop.rgb &= 0xFFFFFF;
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](const CColourStop& a, const CColourStop& b) { return a.position < b.position; });
  if (stops.size() < kMinStops) {
    const std::uint32_t first = stops.empty() ? 0x000000 : stops.front().rgb;
    stops = {{0.0, first}, {1.0, stops.empty() ? 0xFFFFFFu : first}};
  }
  stops_ = std::move(stops);
}

CColourRamp CColourRamp::FromEntries(const Entries& entries, int tolerance) {
  // Walk the entries, dropping every stop that the straight line from the last kept stop to the
  // next entry already reproduces; the comparison uses ColourAt itself, so the bound is exact.
  std::vector<CColourStop> kept{{0.0, entries[0] & 0xFFFFFF}};
  std::size_t keptIndex = 0;
  for (std::size_t j = 1; j + 1 < entries.size(); ++j) {
    const CColourRamp trial({kept.back(), {EntryPosition(j + 1), entries[j + 1]}});
    bool reproduced = true;
    for (std::size_t k = keptIndex + 1; k <= j && reproduced; ++k) {
      reproduced = ChannelDistance(trial.ColourAt(EntryPosition(k)), entries[k]) <= tolerance;
    }
    if (!reproduced) {
      kept.push_back({EntryPosition(j), entries[j] & 0xFFFFFF});
      keptIndex = j;
    }
  }
  kept.push_back({1.0, entries.back() & 0xFFFFFF});
  return CColourRamp(std::move(kept));
}

std::uint32_t CColourRamp::ColourAt(double position) const {
  const auto after = std::upper_bound(stops_.begin(), stops_.end(), position,
                                      [](double p, const CColourStop& s) { return p < s.position; });
  if (after == stops_.begin()) {
    return stops_.front().rgb;
  }
  if (after == stops_.end()) {
    return stops_.back().rgb;
  }
  const CColourStop& before = *(after - 1);
  // after->position > position >= before.position, so the span is never empty.
  const double f = (position - before.position) / (after->position - before.position);
  return Mix(before.rgb, after->rgb, f);
}

CColourRamp::Entries CColourRamp::ToEntries() const {
  Entries entries{};
  for (std::size_t k = 0; k < entries.size(); ++k) {
    entries[k] = ColourAt(EntryPosition(k));
  }
  return entries;
}

std::size_t CColourRamp::Add(CColourStop stop) {
  stop.position = ClampPosition(stop.position);
  stop.rgb &= 0xFFFFFF;
  // After any stops already at that position, as the constructor's stable sort would place it.
  const auto at = std::upper_bound(stops_.begin(), stops_.end(), stop.position,
                                   [](double p, const CColourStop& s) { return p < s.position; });
  const auto inserted = stops_.insert(at, stop);
  return static_cast<std::size_t>(inserted - stops_.begin());
}

std::size_t CColourRamp::Move(std::size_t index, double position) {
  if (index >= stops_.size()) {
    return index;
  }
  CColourStop stop = stops_[index];
  stops_.erase(stops_.begin() + static_cast<std::ptrdiff_t>(index));
  stop.position = position;
  return Add(stop);
}

void CColourRamp::SetColour(std::size_t index, std::uint32_t rgb) {
  if (index < stops_.size()) {
    stops_[index].rgb = rgb & 0xFFFFFF;
  }
}

bool CColourRamp::Remove(std::size_t index) {
  if (index >= stops_.size() || stops_.size() <= kMinStops) {
    return false;
  }
  stops_.erase(stops_.begin() + static_cast<std::ptrdiff_t>(index));
  return true;
}

}  // namespace tarvix::huelisk
