#include "profileview/MigrationBlock.h"

#include <algorithm>
#include <atomic>
#include <barrier>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <span>
#include <system_error>
#include <thread>

namespace tarvix {
namespace {

static_assert(MigrationPlan::kMaxAperture <= 64, "the rows' padding must cover the aperture");

// Traces a thread copies between the two layouts at a time, a few rows of each at once: each
// trace is then read or written in short contiguous pieces and each row in a long one, and the
// rows in flight stay few enough for the cache.
constexpr int kBand = 256;
constexpr int kRowsAtOnce = 8;
// Depths summed together: their input rows stay in cache while the traces pass.
constexpr int kDepthChunk = 16;

int Chunks(int items, int size) { return (items + size - 1) / size; }

// Steps of work, each split into tasks that any thread may take.
struct Phase {
  int tasks;
  std::function<void(int)> run;
};

// Runs the phases in order on the machine's cores, handing out each phase's tasks as threads come
// free; a phase starts once every thread is done with the one before.
void RunPhases(std::span<const Phase> phases) {
  int most = 1;
  for (const Phase& phase : phases) most = std::max(most, phase.tasks);
  const int threads = std::clamp(static_cast<int>(std::thread::hardware_concurrency()), 1, most);
  const auto next = std::make_unique<std::atomic<int>[]>(phases.size());
  std::barrier sync(threads);
  auto work = [&] {
    for (std::size_t p = 0; p < phases.size(); ++p) {
      if (p > 0) sync.arrive_and_wait();
      for (int t = next[p]++; t < phases[p].tasks; t = next[p]++) phases[p].run(t);
    }
  };
  std::vector<std::thread> pool;
  for (int i = 1; i < threads; ++i) {
    try {
      pool.emplace_back(work);
    } catch (const std::system_error&) {
      // The threads already running share the tasks; the barrier stops waiting for the others.
      for (; i < threads; ++i) sync.arrive_and_drop();
    }
  }
  work();
  for (auto& thread : pool) thread.join();
}

template <typename Sample>
constexpr float kFullScale = sizeof(Sample) == 2 ? 32767.0f : 2147483647.0f;  // the latter is 2^31

// A value scaled to the sample range, truncated toward zero.
template <typename Sample>
Sample Truncate(float scaled) {
  if constexpr (sizeof(Sample) == 2) {
    return static_cast<Sample>(static_cast<int>(scaled));
  } else {
    // The largest positive value reaches 2^31 and must not wrap to the most negative.
    return scaled >= 2147483648.0f ? std::numeric_limits<Sample>::max() : static_cast<Sample>(scaled);
  }
}

}  // namespace

bool MigrationBlock::Prepare(const MigrationParameters& parameters, int count) {
  if (!plan_ || !(parameters == planned_)) {
    plan_.emplace(parameters);
    planned_ = parameters;
    termsStride_ = 0;
  }
  if (!plan_->Active()) return false;
  count_ = count;
  depths_ = plan_->Depths();
  laneCount_ = Chunks(count, kMaxLanes) * kMaxLanes;
  stride_ = kPad + laneCount_ + kPad;
  rows_.resize(static_cast<std::size_t>(depths_) * stride_);
  for (int k = 0; k < depths_; ++k) {
    std::fill_n(Row(k) - kPad, kPad, 0.0f);
    std::fill(Row(k) + count_, Row(k) + laneCount_ + kPad, 0.0f);
  }
  out_.resize(static_cast<std::size_t>(depths_) * count_);
  live_.assign(laneCount_, 0.0f);
  if (termsStride_ != stride_) AddWalks();
  return true;
}

void MigrationBlock::AddWalks() {
  terms_.clear();
  counts_.clear();
  walks_.clear();
  for (int k = 0; k < depths_; ++k) {
    Walks w{terms_.size(), 0, counts_.size(), 0};
    AddWalk(k, 0, plan_->ForwardEnd(k));
    w.backwardCounts = counts_.size();
    AddWalk(k, 1, plan_->BackwardEnd(k));
    w.termCount = terms_.size() - w.firstTerm;
    walks_.push_back(w);
  }
  termsStride_ = stride_;
}

void MigrationBlock::AddWalk(int depth, int first, int end) {
  const int sign = first == 0 ? +1 : -1;
  counts_.insert(counts_.end(), first + 1, 0);
  for (int l = first; l < end; ++l) {
    const int F = plan_->TravelTime(depth, l);
    const bool inside = F < depths_;
    if (inside)
      terms_.push_back({static_cast<std::ptrdiff_t>(F) * stride_ + kPad + sign * l, plan_->Weight(depth, l)});
    counts_.push_back(counts_.back() + (inside ? 1 : 0));
  }
}

template <typename Sample>
void MigrationBlock::Migrate(Sample* block, int samples, const LaneSums& sums) {
  const int bands = Chunks(count_, kBand);
  std::vector<float> largest(Chunks(depths_, kDepthChunk), 0.0f);
  const Phase phases[] = {
      {bands, [&](int band) { LoadBand(block, samples, band); }},
      {static_cast<int>(largest.size()), [&](int chunk) { largest[chunk] = MigrateChunk(chunk, sums); }},
      {bands,
       [&](int band) { StoreBand(block, samples, band, *std::max_element(largest.begin(), largest.end())); }},
  };
  RunPhases(phases);
}

template <typename Sample>
void MigrationBlock::LoadBand(const Sample* block, int samples, int band) {
  const int j0 = band * kBand;
  const int j1 = std::min(j0 + kBand, count_);
  for (int j = j0; j < j1; ++j) {
    const Sample* trace = block + static_cast<std::size_t>(j) * samples + plan_->FirstRow();
    live_[j] = std::any_of(trace, trace + depths_, [](Sample s) { return s != 0; }) ? 1.0f : 0.0f;
  }
  for (int i0 = 0; i0 < depths_; i0 += kRowsAtOnce) {
    const int rows = std::min(kRowsAtOnce, depths_ - i0);
    for (int j = j0; j < j1; ++j) {
      const Sample* trace = block + static_cast<std::size_t>(j) * samples + plan_->FirstRow() + i0;
      for (int r = 0; r < rows; ++r) Row(i0 + r)[j] = static_cast<float>(trace[r]);
    }
  }
}

// The number of terms the walks from a trace sum at a depth, cut short by the block's ends.
int MigrationBlock::TermsAt(int depth, int trace) const {
  const Walks& w = walks_[depth];
  return counts_[w.forwardCounts + std::min(plan_->ForwardEnd(depth), count_ - trace)] +
         counts_[w.backwardCounts + std::min(plan_->BackwardEnd(depth), trace + 1)];
}

float MigrationBlock::MigrateChunk(int chunk, const LaneSums& sums) {
  const int first = chunk * kDepthChunk;
  const int last = std::min(depths_, first + kDepthChunk);
  float sum[kMaxLanes];
  float peak[kMaxLanes] = {};
  for (int j0 = 0; j0 < count_; j0 += sums.lanes) {
    const int lanes = std::min(sums.lanes, count_ - j0);
    const float* live = live_.data() + j0;
    for (int k = first; k < last; ++k) {
      const Walks& w = walks_[k];
      sums.run(terms_.data() + w.firstTerm, w.termCount, rows_.data() + j0, sum);
      float* out = Out(k) + j0;
      // Away from the block's ends every trace sums all the terms.
      const bool whole = j0 >= plan_->BackwardEnd(k) - 1 && j0 + lanes <= count_ - plan_->ForwardEnd(k) + 1;
      if (whole && w.termCount > 0) {
        const float n = static_cast<float>(w.termCount);
        for (int v = 0; v < lanes; ++v) {
          out[v] = sum[v] / n * live[v];
          peak[v] = std::max(peak[v], std::fabs(out[v]));
        }
      } else {
        for (int v = 0; v < lanes; ++v) {
          const int n = TermsAt(k, j0 + v);
          out[v] = (live[v] != 0.0f && n > 0) ? sum[v] / static_cast<float>(n) : 0.0f;
          peak[v] = std::max(peak[v], std::fabs(out[v]));
        }
      }
    }
  }
  return *std::max_element(peak, peak + kMaxLanes);
}

template <typename Sample>
void MigrationBlock::StoreBand(Sample* block, int samples, int band, float largest) {
  const int j0 = band * kBand;
  const int j1 = std::min(j0 + kBand, count_);
  float scaled[kRowsAtOnce][kBand];  // the division runs along the rows, where it vectorises
  for (int i0 = 0; i0 < depths_; i0 += kRowsAtOnce) {
    const int rows = std::min(kRowsAtOnce, depths_ - i0);
    for (int r = 0; r < rows; ++r) {
      const float* out = Out(i0 + r);
      if (largest == 0.0f)
        std::fill_n(scaled[r], j1 - j0, 0.0f);
      else
        for (int j = j0; j < j1; ++j) scaled[r][j - j0] = out[j] / largest * kFullScale<Sample>;
    }
    for (int j = j0; j < j1; ++j) {
      Sample* trace = block + static_cast<std::size_t>(j) * samples + plan_->FirstRow() + i0;
      for (int r = 0; r < rows; ++r) trace[r] = Truncate<Sample>(scaled[r][j - j0]);
    }
  }
}

template void MigrationBlock::Migrate(std::int16_t*, int, const LaneSums&);
template void MigrationBlock::Migrate(std::int32_t*, int, const LaneSums&);

}  // namespace tarvix
