#include "platform/convert.h"

#include <limits>

#include "platform/errors.h"

namespace lotto {

std::optional<std::int32_t> tryToInteger(std::string_view text) {
  std::size_t i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
    negative = text[i] == '-';
    ++i;
  }
  if (i == text.size()) return std::nullopt;
  // Accumulate the magnitude; the negative range is one larger than the positive one.
  const std::int64_t limit =
      negative ? -static_cast<std::int64_t>(std::numeric_limits<std::int32_t>::min())
               : std::numeric_limits<std::int32_t>::max();
  std::int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

std::int32_t toInteger(std::string_view text) {
  if (const auto value = tryToInteger(text)) return *value;
  throw ConversionError(std::string(text));
}

}  // namespace lotto
