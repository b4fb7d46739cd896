#include "ChainEditor.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <utility>

#include "SampleConversion.h"

namespace tarvix::sievex {

ChainEditor::ChainEditor(FilterChain original, EditorPreview preview)
    : original_(std::move(original)), chain_(original_), preview_(std::move(preview)) {
  if (!chain_.empty()) selected_ = 0;
}

const FilterStep* ChainEditor::SelectedStep() const {
  return selected_ >= 0 ? &chain_[static_cast<std::size_t>(selected_)] : nullptr;
}

void ChainEditor::Select(int row) {
  selected_ = row >= 0 && row < static_cast<int>(chain_.size()) ? row : -1;
}

void ChainEditor::Add(const FilterKind& kind) {
  const int row = selected_ >= 0 ? selected_ + 1 : static_cast<int>(chain_.size());
  chain_.insert(chain_.begin() + row, MakeStep(kind));
  selected_ = row;
}

void ChainEditor::UseRecommended() {
  chain_ = RecommendedChain();
  selected_ = 0;
}

void ChainEditor::Remove() {
  if (!CanRemove()) return;
  chain_.erase(chain_.begin() + selected_);
  selected_ = std::min(selected_, static_cast<int>(chain_.size()) - 1);
}

void ChainEditor::MoveUp() {
  if (!CanMoveUp()) return;
  std::swap(chain_[static_cast<std::size_t>(selected_)], chain_[static_cast<std::size_t>(selected_ - 1)]);
  --selected_;
}

void ChainEditor::MoveDown() {
  if (!CanMoveDown()) return;
  std::swap(chain_[static_cast<std::size_t>(selected_)], chain_[static_cast<std::size_t>(selected_ + 1)]);
  ++selected_;
}

void ChainEditor::SetEnabled(int row, bool enabled) {
  if (row >= 0 && row < static_cast<int>(chain_.size()))
    chain_[static_cast<std::size_t>(row)].enabled = enabled;
}

void ChainEditor::SetValue(int parameter, double value) {
  if (selected_ < 0 || std::isnan(value)) return;
  FilterStep& step = chain_[static_cast<std::size_t>(selected_)];
  if (parameter < 0 || parameter >= static_cast<int>(step.values.size())) return;
  const ParameterSpec& spec = step.kind->parameters[static_cast<std::size_t>(parameter)];
  const double scale = std::pow(10.0, spec.decimals);
  step.values[static_cast<std::size_t>(parameter)] =
      std::clamp(std::round(value * scale) / scale, spec.minimum, spec.maximum);
}

TraceBlock ChainEditor::Filtered() const {
  TraceBlock block = preview_.traces;
  RunChain(chain_, block, preview_.timing);
  for (float& value : block.data)
    value = preview_.wideSamples ? static_cast<float>(Saturate<std::int32_t>(value))
                                 : static_cast<float>(Saturate<std::int16_t>(value));
  return block;
}

}  // namespace tarvix::sievex
