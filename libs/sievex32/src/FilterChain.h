#pragma once
#include <string>
#include <vector>

#include "FilterCatalog.h"

namespace tarvix::sievex {

struct FilterStep {
  const FilterKind* kind = nullptr;
  bool enabled = true;
  std::vector<double> values;  // one per parameter of the kind

  bool operator==(const FilterStep&) const = default;
};

// The filters in the order they run.
using FilterChain = std::vector<FilterStep>;

// An enabled step of the kind with its initial values.
FilterStep MakeStep(const FilterKind& kind);

// What a surveyor usually starts from: dewow, band-pass, background removal and AGC.
FilterChain RecommendedChain();

bool HasEnabledStep(const FilterChain& chain);

// Runs the enabled steps in order.
void RunChain(const FilterChain& chain, TraceBlock& block, const BlockTiming& timing);

// A parameter's value as the settings file and the filter description show it: the special word
// at the minimum of a parameter that has one, otherwise the shortest text that reads back exactly.
std::string FormatValue(const ParameterSpec& spec, double value);

// "key=value unit" for each parameter, separated by spaces.
std::string DescribeParameters(const FilterStep& step);

}  // namespace tarvix::sievex
