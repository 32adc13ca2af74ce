#include "draws/draw_record.h"

#include <cstring>

#include "platform/dates.h"
#include "platform/little_endian.h"

namespace lotto {

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
  const auto date = doubleToBytes(record.date);
  std::memcpy(out.data(), date.data(), 8);
  std::memcpy(out.data() + 8, record.bytes.data(), 8);
  return out;
}

DrawRecord decodeDrawRecord(const std::uint8_t* sixteenBytes) {
  DrawRecord record;
  record.date = doubleFromBytes(sixteenBytes);
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

std::optional<std::string> drawProblem(const DrawNumbers& numbers) {
  for (std::size_t i = 1; i <= 7; ++i) {
    if (numbers[i] < 1 || numbers[i] > 45) {
      return (i == 7 ? "die Zusatzzahl " : "die Zahl ") + std::to_string(numbers[i]) +
             " liegt nicht zwischen 1 und 45";
    }
  }
  for (std::size_t i = 1; i <= 6; ++i) {
    for (std::size_t k = i + 1; k <= 6; ++k) {
      if (numbers[i] == numbers[k]) {
        return "die Zahl " + std::to_string(numbers[i]) + " steht zweimal darin";
      }
    }
    if (numbers[i] == numbers[7]) {
      return "die Zusatzzahl " + std::to_string(numbers[7]) + " ist eine der sechs Zahlen";
    }
  }
  return std::nullopt;
}

bool isValidDraw(const DrawRecord& record) {
  return !drawProblem(drawNumbersOf(record));
}

}  // namespace lotto
