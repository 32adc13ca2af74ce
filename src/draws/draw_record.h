#pragma once
// One draw as the draw file stores it: 16 bytes, little-endian, no padding.
//   0..7   date (IEEE 754 double, days since 30 December 1899, whole days)
//   8..13  the six winning numbers in the order they arrived
//   14     the Zusatzzahl
//   15     spare byte: takes part in nothing but is preserved on every copy

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

inline constexpr std::size_t kDrawRecordSize = 16;

struct DrawRecord {
  double date = 0;
  // Record bytes 8..15: numbers[0..5], then the Zusatzzahl, then the spare byte.
  std::array<std::uint8_t, 8> bytes{};

  std::uint8_t number(int i) const { return bytes[static_cast<std::size_t>(i - 1)]; }  // i = 1..6
  std::uint8_t zusatzzahl() const { return bytes[6]; }
  std::uint8_t spare() const { return bytes[7]; }

  friend bool operator==(const DrawRecord&, const DrawRecord&) = default;
};

// Weekday of a draw's date: 1 = Sunday ... 7 = Saturday.
int weekdayOf(const DrawRecord& record);

// Sum of the six winning numbers (not of their digits).
int quersumme(const DrawRecord& record);

std::array<std::uint8_t, kDrawRecordSize> encodeDrawRecord(const DrawRecord& record);
DrawRecord decodeDrawRecord(const std::uint8_t* sixteenBytes);

}  // namespace lotto

namespace lotto {

// The numbers of a draw as the main window holds them, indexed 1..8 like the record's
// number bytes: [1]..[6] the six numbers, [7] the Zusatzzahl, [8] the spare byte.
// Index 0 is unused.
using DrawNumbers = std::array<std::int32_t, 9>;

DrawNumbers drawNumbersOf(const DrawRecord& record);

// What makes numbers no possible draw, in words that finish "Die Ziehung ist ungültig: ...":
// a number outside 1..45, a number drawn twice, a Zusatzzahl that is one of the six.
// Nothing for six different numbers 1..45 and a Zusatzzahl 1..45 not among them.
std::optional<std::string> drawProblem(const DrawNumbers& numbers);
bool isValidDraw(const DrawRecord& record);

}  // namespace lotto
