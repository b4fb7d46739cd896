#include "core/CPalette.h"

#include <bit>
#include <cmath>

namespace tarvix::huelisk {

namespace {

std::uint32_t ReadLittleEndian(const unsigned char* bytes) {
  return std::uint32_t{bytes[0]} | std::uint32_t{bytes[1]} << 8 | std::uint32_t{bytes[2]} << 16 |
         std::uint32_t{bytes[3]} << 24;
}

void WriteLittleEndian(std::uint32_t value, unsigned char* bytes) {
  for (int i = 0; i < 4; ++i) {
    bytes[i] = static_cast<unsigned char>(value >> (8 * i));
  }
}

}  // namespace

CPalette CPalette::GreyRamp() {
  CPalette palette;
  for (int k = 0; k < kEntries; ++k) {
    palette.entries[k] = 0x040404u * static_cast<std::uint32_t>(k);
  }
  return palette;
}

CPalette CPalette::Unpack(const unsigned char* record) {
  CPalette palette;
  for (int k = 0; k < kEntries; ++k) {
    palette.entries[k] = ReadLittleEndian(record + 4 * k);
  }
  palette.gain = std::bit_cast<float>(ReadLittleEndian(record + 4 * kEntries));
  return palette;
}

void CPalette::Pack(unsigned char* record) const {
  for (int k = 0; k < kEntries; ++k) {
    WriteLittleEndian(entries[k], record + 4 * k);
  }
  WriteLittleEndian(std::bit_cast<std::uint32_t>(gain), record + 4 * kEntries);
}

float CPalette::ClampGain(float value) {
  if (std::isnan(value)) {
    return 1.0f;
  }
  return std::fmin(std::fmax(value, kMinGain), kMaxGain);
}

}  // namespace tarvix::huelisk
