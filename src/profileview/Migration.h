#pragma once
#include <cstdint>
#include <memory>
#include <span>

namespace tarvix {

class MigrationBlock;

// What migrating one profile's block needs: the profile's header values and the two settings.
struct MigrationParameters {
  int samples = 0;                 // samples per trace
  double timeWindow = 0.0;         // the whole trace in nanoseconds (the header's time window)
  double traceInterval = 0.0;      // metres per trace
  double antennaSeparation = 0.0;  // metres
  double velocity = 0.0;           // ground velocity in m/µs ("Velocity")
  int zeroLevel = 0;               // first-arrival sample ("ZeroLevel")

  bool operator==(const MigrationParameters&) const = default;
};

// Diffraction-summation migration of a block of trace-major traces in place: every sample from
// the first arrival down becomes the weighted mean along the hyperbola a point reflector there
// would draw, and the block is then scaled so its largest magnitude fills the sample range.
// The object keeps its tables and working memory between blocks, since a trace window migrates
// blocks of one size and geometry again and again; keep one per window.
class Migration {
 public:
  Migration();
  ~Migration();
  Migration(const Migration&) = delete;
  Migration& operator=(const Migration&) = delete;

  // Migrates count traces of parameters.samples values. Returns false, leaving the block
  // untouched, when it holds fewer values than that.
  bool Apply(std::span<std::int16_t> block, int count, const MigrationParameters& parameters);
  bool Apply(std::span<std::int32_t> block, int count, const MigrationParameters& parameters);

 private:
  template <typename Sample>
  bool Run(std::span<Sample> block, int count, const MigrationParameters& parameters);

  std::unique_ptr<MigrationBlock> block_;
};

}  // namespace tarvix
