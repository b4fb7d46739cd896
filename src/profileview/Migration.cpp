#include "profileview/Migration.h"

#include "profileview/MigrationBlock.h"

namespace tarvix {

Migration::Migration() : block_(std::make_unique<MigrationBlock>()) {}

Migration::~Migration() = default;

bool Migration::Apply(std::span<std::int16_t> block, int count, const MigrationParameters& parameters) {
  return Run(block, count, parameters);
}

bool Migration::Apply(std::span<std::int32_t> block, int count, const MigrationParameters& parameters) {
  return Run(block, count, parameters);
}

template <typename Sample>
bool Migration::Run(std::span<Sample> block, int count, const MigrationParameters& parameters) {
  if (count < 0 || parameters.samples < 0 ||
      block.size() < static_cast<std::size_t>(count) * static_cast<std::size_t>(parameters.samples))
    return false;
  if (count == 0 || !block_->Prepare(parameters, count)) return true;
  block_->Migrate(block.data(), parameters.samples, AvailableLaneSums().back());
  return true;
}

}  // namespace tarvix
