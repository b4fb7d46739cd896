#pragma once
#include <cstddef>
#include <optional>
#include <vector>

#include "profileview/Migration.h"
#include "profileview/MigrationPlan.h"
#include "profileview/MigrationSums.h"

namespace tarvix {

// A block laid out depth by depth for migration: for one depth and one offset every output
// trace reads the same input row shifted by the offset, so each term is a multiply-add along
// contiguous memory. Every trace's sum gains the forward terms and then the backward ones, each
// in walking order, exactly as a walk trace by trace adds them; zero padding supplies the terms
// a walk does not reach at the block's ends, and adding zero leaves a sum unchanged.
class MigrationBlock {
 public:
  // Lays out count traces for the parameters, reusing the tables and memory of the previous
  // block where they fit. False when the geometry leaves the block as it is.
  bool Prepare(const MigrationParameters& parameters, int count);

  // Migrates the trace-major block in place with the given summation: its migrated rows into
  // the layout, every depth, then the result scaled by its largest magnitude back (zero when
  // that is zero).
  template <typename Sample>
  void Migrate(Sample* block, int samples, const LaneSums& sums);

 private:
  struct Walks {
    std::size_t firstTerm;  // into terms_
    std::size_t termCount;
    // Into counts_: entry L is the number of terms with an offset below L, for the forward
    // walk's offsets 0 .. its end and then for the backward walk's.
    std::size_t forwardCounts;
    std::size_t backwardCounts;
  };

  float* Row(int depth) { return rows_.data() + static_cast<std::size_t>(depth) * stride_ + kPad; }
  float* Out(int depth) { return out_.data() + static_cast<std::size_t>(depth) * count_; }
  void AddWalks();
  void AddWalk(int depth, int first, int end);
  int TermsAt(int depth, int trace) const;
  template <typename Sample>
  void LoadBand(const Sample* block, int samples, int band);
  // Returns the largest magnitude of the chunk's result.
  float MigrateChunk(int chunk, const LaneSums& sums);
  template <typename Sample>
  void StoreBand(Sample* block, int samples, int band, float largest);

  static constexpr int kPad = 64;  // zero traces on either side of a row: the widest aperture

  std::optional<MigrationPlan> plan_;
  MigrationParameters planned_;  // what plan_ was made for
  int count_ = 0;
  int depths_ = 0;
  int laneCount_ = 0;  // count rounded up to whole lanes
  int stride_ = 0;
  std::vector<float> rows_;
  std::vector<float> out_;
  std::vector<float> live_;  // 1 where the trace has a non-zero input sample, else 0
  int termsStride_ = 0;      // the row stride the terms were made for, 0 before any
  std::vector<MigrationTerm> terms_;
  std::vector<int> counts_;
  std::vector<Walks> walks_;
};

}  // namespace tarvix
