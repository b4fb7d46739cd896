#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "profileview/DisplayedProfiles.h"
#include "profileview/Migration.h"

namespace tarvix {

// How the traces of a window are read: the data width, through the filter list or not, and
// migrated or not (with the settings migration takes from the user).
struct TraceReading {
  bool wide = false;
  bool filtered = true;
  bool migrate = false;
  double velocity = 0.0;
  int zeroLevel = 0;
};

// The traces the profile view keeps of its displayed profiles: 4000 display columns from a start
// column shared by every band, one block per band, trace-major within the block. Scrolling inside
// the window reads nothing; only leaving it does.
class TraceWindow {
 public:
  static constexpr int kTraces = 4000;

  // The start column. Changing it does not reload; the caller reloads afterwards.
  int start = 0;

  // Reads every band's block again from `start`; false when a band's sample count differs from the
  // first band's (its block is still filled, with its own count).
  bool Load(std::span<const DisplayedProfile> bands, const TraceReading& reading);

  // True when [column, column + width) lies beyond the window, so a new start is to be chosen.
  bool Leaves(int column, int width) const;
  // The start that holds [column, column + width): the 4000-column step it falls in, else the
  // step half a window on, else the column itself.
  static int StartFor(int column, int width);

  // Where the trace at display column `column` starts in the band's block, when the visible
  // width fits the window.
  std::optional<std::size_t> Position(std::size_t blockOffset, int column, int width, int samples) const;

  // Whether the window was loaded for exactly these bands (profiles and sample counts).
  bool HoldsBands(std::span<const DisplayedProfile> bands) const;
  std::size_t BlockOffset(std::size_t band) const { return offsets_.at(band); }

  bool IsWide() const { return wide_; }
  const std::int16_t* Samples16() const { return samples16_.data(); }
  const std::int32_t* Samples32() const { return samples32_.data(); }
  std::size_t Size() const { return wide_ ? samples32_.size() : samples16_.size(); }

  // Profile blocks read from the data files since construction.
  int BlocksRead() const { return blocksRead_; }
  // Changes at every load, so an image made from an older load is known to be stale.
  unsigned Generation() const { return generation_; }

 private:
  template <typename Sample>
  void LoadBlocks(std::vector<Sample>& samples, std::span<const DisplayedProfile> bands,
                  const TraceReading& reading);

  bool wide_ = false;
  std::vector<std::int16_t> samples16_;
  std::vector<std::int32_t> samples32_;
  std::vector<std::size_t> offsets_;
  std::vector<const KRadarProfile*> profiles_;
  std::vector<int> sampleCounts_;
  Migration migration_;
  int blocksRead_ = 0;
  unsigned generation_ = 0;
};

}  // namespace tarvix
