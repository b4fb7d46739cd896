#include "profileview/TraceWindow.h"

#include <algorithm>

#include "model/KRadarProfile.h"
#include "profileview/HeaderMigration.h"

namespace tarvix {

namespace {

void ReadInto(const KRadarProfile& profile, std::int16_t* block, int first, bool filtered) {
  profile.ReadTraces16(block, first, TraceWindow::kTraces, filtered);
}

void ReadInto(const KRadarProfile& profile, std::int32_t* block, int first, bool filtered) {
  profile.ReadTraces32(block, first, TraceWindow::kTraces, filtered);
}

bool Holds(int start, int column, int width) {
  return column >= start && column + width < start + TraceWindow::kTraces;
}

}  // namespace

bool TraceWindow::Leaves(int column, int width) const { return !Holds(start, column, width); }

int TraceWindow::StartFor(int column, int width) {
  const int end = column + width;
  const int step = column / kTraces;
  const int candidate = end / kTraces == step ? kTraces * step : kTraces * step + kTraces / 2;
  // The same test as Leaves, so a start chosen here is never left at once.
  return Holds(candidate, column, width) ? candidate : column;
}

std::optional<std::size_t> TraceWindow::Position(std::size_t blockOffset, int column, int width,
                                                 int samples) const {
  if (column < start || column + width - start >= kTraces || samples < 0) return std::nullopt;
  const auto blockSize = static_cast<std::size_t>(samples) * kTraces;
  if (blockOffset + blockSize > Size()) return std::nullopt;
  return blockOffset + static_cast<std::size_t>(samples) * static_cast<std::size_t>(column - start);
}

bool TraceWindow::HoldsBands(std::span<const DisplayedProfile> bands) const {
  if (bands.size() != profiles_.size()) return false;
  for (std::size_t k = 0; k < bands.size(); ++k)
    if (bands[k].profile != profiles_[k] || bands[k].samples != sampleCounts_[k]) return false;
  return true;
}

bool TraceWindow::Load(std::span<const DisplayedProfile> bands, const TraceReading& reading) {
  ++generation_;
  wide_ = reading.wide;
  offsets_.clear();
  profiles_.clear();
  sampleCounts_.clear();
  std::size_t total = 0;
  for (const auto& band : bands) {
    offsets_.push_back(total);
    profiles_.push_back(band.profile);
    sampleCounts_.push_back(band.samples);
    total += static_cast<std::size_t>(band.samples) * kTraces;
  }
  if (wide_) {
    samples16_.clear();
    samples32_.assign(total, 0);
    LoadBlocks(samples32_, bands, reading);
  } else {
    samples32_.clear();
    samples16_.assign(total, 0);
    LoadBlocks(samples16_, bands, reading);
  }
  return std::all_of(bands.begin(), bands.end(),
                     [&](const DisplayedProfile& band) { return band.samples == bands.front().samples; });
}

template <typename Sample>
void TraceWindow::LoadBlocks(std::vector<Sample>& samples, std::span<const DisplayedProfile> bands,
                             const TraceReading& reading) {
  for (std::size_t k = 0; k < bands.size(); ++k) {
    const DisplayedProfile& band = bands[k];
    if (band.samples == 0) continue;
    const auto perTrace = static_cast<std::size_t>(band.samples);
    Sample* block = samples.data() + offsets_[k];
    if (band.forward) {
      ReadInto(*band.profile, block, band.shift + start, reading.filtered);
    } else {
      // Read the columns' traces in file order, then turn the block round.
      ReadInto(*band.profile, block, band.traces - band.shift - start - kTraces, reading.filtered);
      for (std::size_t t = 0; t < kTraces / 2; ++t)
        std::swap_ranges(block + t * perTrace, block + (t + 1) * perTrace, block + (kTraces - 1 - t) * perTrace);
    }
    ++blocksRead_;
    if (!reading.migrate) continue;
    migration_.Apply(std::span<Sample>(block, perTrace * kTraces), kTraces,
                     MigrationParametersOf(band.profile->header, reading.velocity, reading.zeroLevel));
  }
}

}  // namespace tarvix
