#pragma once
#include "BlockTiming.h"
#include "FilterChain.h"
#include "TraceBlock.h"

namespace tarvix::sievex {

// The traces the editor shows before and after the chain.
struct EditorPreview {
  TraceBlock traces;
  BlockTiming timing;
  bool wideSamples = false;  // 32-bit samples; 16-bit when false
};

// The rules of the chain editor: the working copy of the chain, the selected row and what the
// commands do to them. The dialog only shows this state and forwards the user's actions.
class ChainEditor {
 public:
  ChainEditor(FilterChain original, EditorPreview preview);

  const FilterChain& Chain() const { return chain_; }
  // -1 when no row is selected.
  int Selected() const { return selected_; }
  const FilterStep* SelectedStep() const;
  void Select(int row);

  // Inserts a new step of the kind after the selected row (at the end when none) and selects it.
  void Add(const FilterKind& kind);
  // Replaces the chain by the recommended one.
  void UseRecommended();
  void Remove();
  void MoveUp();
  void MoveDown();
  bool CanRemove() const { return selected_ >= 0; }
  bool CanMoveUp() const { return selected_ > 0; }
  bool CanMoveDown() const { return selected_ >= 0 && selected_ + 1 < static_cast<int>(chain_.size()); }
  void SetEnabled(int row, bool enabled);
  // Sets a parameter of the selected step, held within its range and rounded to its decimals.
  void SetValue(int parameter, double value);

  // Whether the working chain differs from the one the editor started with.
  bool Changed() const { return chain_ != original_; }

  const EditorPreview& Preview() const { return preview_; }
  // The preview traces through the working chain, saturated as the stored samples would be.
  TraceBlock Filtered() const;

 private:
  FilterChain original_;
  FilterChain chain_;
  EditorPreview preview_;
  int selected_ = -1;
};

}  // namespace tarvix::sievex
