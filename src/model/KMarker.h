#pragma once
#include <cstdint>
#include <string>

namespace tarvix {

// A point an interpreter placed on a radargram.
class KMarker {
 public:
  virtual ~KMarker() = default;

  std::int32_t trace = 0;
  std::int32_t sample = 0;
  std::int16_t type = 0;
  std::int32_t visible = 1;  // not stored in the marker file
  std::string comment;
};

}  // namespace tarvix
