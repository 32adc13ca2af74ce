#pragma once
// IEEE 754 doubles as the 8 little-endian bytes the draw file and the settings keep.

#include <array>
#include <bit>
#include <cstdint>
#include <limits>

namespace lotto {

static_assert(std::numeric_limits<double>::is_iec559, "dates are stored as IEEE 754 doubles");

inline std::array<std::uint8_t, 8> doubleToBytes(double value) {
  const auto bits = std::bit_cast<std::uint64_t>(value);
  std::array<std::uint8_t, 8> bytes{};
  for (std::size_t i = 0; i < 8; ++i) bytes[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  return bytes;
}

inline double doubleFromBytes(const std::uint8_t* bytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i) bits |= static_cast<std::uint64_t>(bytes[i]) << (8 * i);
  return std::bit_cast<double>(bits);
}

}  // namespace lotto
