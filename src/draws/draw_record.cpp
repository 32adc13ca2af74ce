#include "draws/draw_record.h"

#include <bit>
#include <cstring>
#include <limits>

#include "platform/dates.h"

namespace lotto {

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "the draw file stores IEEE 754 doubles");

int weekdayOf(const DrawRecord& record) {
  return dayOfWeek(record.date);
}

int quersumme(const DrawRecord& record) {
  int sum = 0;
  for (int i = 1; i <= 6; ++i) sum += record.number(i);
  return sum;
}

std::array<std::uint8_t, kDrawRecordSize> encodeDrawRecord(const DrawRecord& record) {
  std::array<std::uint8_t, kDrawRecordSize> out{};
  const auto bits = std::bit_cast<std::uint64_t>(record.date);
  for (std::size_t i = 0; i < 8; ++i) out[i] = static_cast<std::uint8_t>(bits >> (8 * i));
  std::memcpy(out.data() + 8, record.bytes.data(), 8);
  return out;
}

DrawRecord decodeDrawRecord(const std::uint8_t* sixteenBytes) {
  std::uint64_t bits = 0;
  for (std::size_t i = 0; i < 8; ++i)
    bits |= static_cast<std::uint64_t>(sixteenBytes[i]) << (8 * i);
  DrawRecord record;
  record.date = std::bit_cast<double>(bits);
  std::memcpy(record.bytes.data(), sixteenBytes + 8, 8);
  return record;
}

}  // namespace lotto

namespace lotto {

DrawNumbers drawNumbersOf(const DrawRecord& record) {
  DrawNumbers numbers{};
  for (std::size_t i = 1; i <= 8; ++i) numbers[i] = record.bytes[i - 1];
  return numbers;
}

}  // namespace lotto
