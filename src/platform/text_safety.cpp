#include "platform/text_safety.h"

#include <algorithm>
#include <iterator>

#include "platform/unicode_controls.h"

namespace lotto {
namespace {

constexpr char32_t kLastCodePoint = 0x10FFFF;

// The search in isControlOrFormat needs the ranges in order and apart.
constexpr bool rangesAreSortedAndDisjoint() {
  for (std::size_t i = 0; i < std::size(kControlAndFormatRanges); ++i) {
    const CodePointRange& range = kControlAndFormatRanges[i];
    if (range.first > range.last || range.last > kLastCodePoint) return false;
    if (i > 0 && kControlAndFormatRanges[i - 1].last >= range.first) return false;
  }
  return true;
}
static_assert(rangesAreSortedAndDisjoint());

bool isContinuation(unsigned char byte) {
  return (byte & 0xC0) == 0x80;
}

// The code point of the sequence at `at`, moving `at` past it; nothing for an ill-formed
// sequence.
std::optional<char32_t> decodeOne(std::string_view text, std::size_t& at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead < 0x80) {
    ++at;
    return lead;
  }
  // The length a lead byte announces, the bits it carries and the smallest code point a
  // sequence of that length may hold (anything below is an overlong form).
  std::size_t length = 0;
  char32_t codePoint = 0;
  char32_t smallest = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
    codePoint = lead & 0x1Fu;
    smallest = 0x80;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    codePoint = lead & 0x0Fu;
    smallest = 0x800;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    codePoint = lead & 0x07u;
    smallest = 0x10000;
  } else {
    return std::nullopt;  // a continuation byte, C0, C1 or F5..FF
  }
  if (text.size() - at < length) return std::nullopt;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[at + k]);
    if (!isContinuation(next)) return std::nullopt;
    codePoint = (codePoint << 6) | (next & 0x3Fu);
  }
  if (codePoint < smallest || codePoint > kLastCodePoint ||
      (codePoint >= 0xD800 && codePoint <= 0xDFFF)) {
    return std::nullopt;
  }
  at += length;
  return codePoint;
}

}  // namespace

std::optional<std::u32string> decodeUtf8(std::string_view text) {
  std::u32string decoded;
  decoded.reserve(text.size());
  std::size_t at = 0;
  while (at < text.size()) {
    const auto codePoint = decodeOne(text, at);
    if (!codePoint) return std::nullopt;
    decoded += *codePoint;
  }
  return decoded;
}

bool isControlOrFormat(char32_t codePoint) {
  // The first range that ends at or after the code point is the only one that can hold it.
  const auto* const end = std::end(kControlAndFormatRanges);
  const auto* const found = std::lower_bound(
      std::begin(kControlAndFormatRanges), end, codePoint,
      [](const CodePointRange& range, char32_t code) { return range.last < code; });
  return found != end && found->first <= codePoint;
}

TextFault findTextFault(std::string_view text) {
  std::size_t at = 0;
  while (at < text.size()) {
    const auto codePoint = decodeOne(text, at);
    if (!codePoint) return TextFault::InvalidUtf8;
    if (isControlOrFormat(*codePoint)) return TextFault::ControlOrFormat;
  }
  return TextFault::None;
}

}  // namespace lotto
