// The exported C functions. Each checks its arguments and catches every exception, so that a bad
// call or a lack of memory is a 0 result for the host rather than a crash.
#include <algorithm>
#include <cstring>
#include <string>

#include "ChainFile.h"
#include "EditorEntry.h"
#include "SampleConversion.h"
#include "sievex32.h"

using namespace tarvix::sievex;

struct SievexList {
  FilterChain chain;
};

namespace {

// The editor previews at most this many traces.
constexpr int kMostPreviewTraces = 200;

std::size_t SampleCount(const SievexDataDescription& data) {
  return static_cast<std::size_t>(data.samplesPerTrace) * static_cast<std::size_t>(data.traceCount);
}

template <std::size_t size>
void CopyText(char (&target)[size], const std::string& text) {
  const std::size_t length = std::min(text.size(), size - 1);
  std::memcpy(target, text.data(), length);
  std::memset(target + length, 0, size - length);
}

template <typename Sample>
int Apply(SievexList* list, const Sample* source, Sample* destination, const SievexDataDescription* data) {
  if (list == nullptr || source == nullptr || destination == nullptr || data == nullptr) return 0;
  if (data->samplesPerTrace < 0 || data->traceCount < 0) return 0;
  const std::size_t count = SampleCount(*data);
  if (count == 0) return 1;
  if (!HasEnabledStep(list->chain)) {
    std::memmove(destination, source, count * sizeof(Sample));  // the host may filter in place
    return 1;
  }
  try {
    TraceBlock block(data->samplesPerTrace, data->traceCount);
    ToFloat(source, block);
    RunChain(list->chain, block, BlockTiming::From(*data));
    FromFloat(block, destination);
    return 1;
  } catch (...) {
    return 0;
  }
}

template <typename Sample>
int Edit(SievexList* list, void* parentWindow, const Sample* samples, const SievexDataDescription* data) {
  if (list == nullptr || data == nullptr) return 0;
  try {
    EditorPreview preview;
    preview.timing = BlockTiming::From(*data);
    preview.wideSamples = sizeof(Sample) == 4;
    if (samples != nullptr && data->samplesPerTrace > 0 && data->traceCount > 0) {
      preview.traces = TraceBlock(data->samplesPerTrace, std::min(data->traceCount, kMostPreviewTraces));
      ToFloat(samples, preview.traces);
    }
    return RunChainEditor(list->chain, std::move(preview), parentWindow) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

}  // namespace

extern "C" {

SievexList* FilterListCreate(void) {
  try {
    return new SievexList;
  } catch (...) {
    return nullptr;
  }
}

void FilterListDestroy(SievexList* list) { delete list; }

int FilterListLoad(SievexList* list, const char* path) {
  if (list == nullptr || path == nullptr || *path == '\0') return 0;
  try {
    std::optional<FilterChain> chain = LoadChainFile(path);
    if (!chain) return 0;
    list->chain = std::move(*chain);
    return 1;
  } catch (...) {
    return 0;
  }
}

int FilterListSave(SievexList* list, const char* path) {
  if (list == nullptr || path == nullptr || *path == '\0') return 0;
  try {
    return SaveChainFile(path, list->chain) ? 1 : 0;
  } catch (...) {
    return 0;
  }
}

int FilterListGetSize(SievexList* list) { return list != nullptr ? static_cast<int>(list->chain.size()) : 0; }

SievexFilterInfo* FilterInfoCreate(void) {
  try {
    return new SievexFilterInfo{};
  } catch (...) {
    return nullptr;
  }
}

int FilterListGetFilter(SievexList* list, SievexFilterInfo* info, int index) {
  if (list == nullptr || info == nullptr || index < 0 || index >= static_cast<int>(list->chain.size()))
    return 0;
  try {
    const FilterStep& step = list->chain[static_cast<std::size_t>(index)];
    CopyText(info->name, std::string(step.kind->name));
    CopyText(info->title, std::string(step.kind->title));
    info->enabled = step.enabled ? 1 : 0;
    CopyText(info->parameters, DescribeParameters(step));
    return 1;
  } catch (...) {
    return 0;
  }
}

void FilterInfoDestroy(SievexFilterInfo* info) { delete info; }

int FilterListEdit(SievexList* list, void* parentWindow, const int16_t* samples,
                   SievexDataDescription* data) {
  return Edit(list, parentWindow, samples, data);
}

int FilterListEdit32(SievexList* list, void* parentWindow, const int32_t* samples,
                     SievexDataDescription* data) {
  return Edit(list, parentWindow, samples, data);
}

int FilterListApply(SievexList* list, const int16_t* source, int16_t* destination,
                    SievexDataDescription* data) {
  return Apply(list, source, destination, data);
}

int FilterListApply32(SievexList* list, const int32_t* source, int32_t* destination,
                      SievexDataDescription* data) {
  return Apply(list, source, destination, data);
}

}  // extern "C"
