#pragma once
#include <string_view>
#include <vector>

#include "BlockTiming.h"
#include "TraceBlock.h"

namespace tarvix::sievex {

struct ParameterSpec {
  std::string_view key;    // in the settings file
  std::string_view label;  // in the editor
  std::string_view unit;   // shown after the value; empty for plain numbers
  double minimum;
  double maximum;
  double initial;  // a newly added filter's value
  int decimals;    // 0: whole numbers only
  // When not empty, the minimum stands for a value taken from the data (or the whole block) and
  // is shown and written as this word.
  std::string_view special;
};

struct FilterKind {
  std::string_view name;  // in the settings file
  std::string_view title;
  std::string_view help;
  std::vector<ParameterSpec> parameters;
  // Filters the block; values are in the order of `parameters` and within their ranges.
  void (*run)(TraceBlock& block, const std::vector<double>& values, const BlockTiming& timing);
};

// Every filter the library offers, in the editor's order.
const std::vector<FilterKind>& Catalog();
// nullptr for a name the library does not know.
const FilterKind* FindKind(std::string_view name);

}  // namespace tarvix::sievex
