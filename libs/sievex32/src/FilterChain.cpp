#include "FilterChain.h"

#include <charconv>

namespace tarvix::sievex {

FilterStep MakeStep(const FilterKind& kind) {
  FilterStep step;
  step.kind = &kind;
  for (const ParameterSpec& spec : kind.parameters) step.values.push_back(spec.initial);
  return step;
}

FilterChain RecommendedChain() {
  FilterChain chain;
  for (const char* name : {"dewow", "bandpass", "background", "agc"})
    chain.push_back(MakeStep(*FindKind(name)));
  return chain;
}

bool HasEnabledStep(const FilterChain& chain) {
  for (const FilterStep& step : chain)
    if (step.enabled) return true;
  return false;
}

void RunChain(const FilterChain& chain, TraceBlock& block, const BlockTiming& timing) {
  for (const FilterStep& step : chain)
    if (step.enabled) step.kind->run(block, step.values, timing);
}

std::string FormatValue(const ParameterSpec& spec, double value) {
  if (!spec.special.empty() && value == spec.minimum) return std::string(spec.special);
  char text[32];
  const auto result = std::to_chars(text, text + sizeof text, value);
  return std::string(text, result.ptr);
}

std::string DescribeParameters(const FilterStep& step) {
  std::string text;
  for (std::size_t p = 0; p < step.kind->parameters.size(); ++p) {
    const ParameterSpec& spec = step.kind->parameters[p];
    if (!text.empty()) text += ' ';
    text += std::string(spec.key) + '=' + FormatValue(spec, step.values[p]);
    if (!spec.unit.empty()) text += ' ' + std::string(spec.unit);
  }
  return text;
}

}  // namespace tarvix::sievex
