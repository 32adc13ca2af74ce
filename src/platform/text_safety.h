#pragma once
// Strict UTF-8 and the characters that must not stand in an address the program opens or
// requests: controls, format characters (zero-width characters, the byte-order mark, the
// bidirectional overrides and isolates) and the line and paragraph separators. They are
// invisible or reorder what the user sees, so an address holding one may not be what it
// looks like.

#include <optional>
#include <string>
#include <string_view>

namespace lotto {

// The code points of `text`, or nothing when it is not well-formed UTF-8: an overlong
// form (C0 80 for U+0000), a surrogate (ED A0 80), a code point above U+10FFFF, a
// sequence cut short or a stray continuation byte.
std::optional<std::u32string> decodeUtf8(std::string_view text);

// Whether the code point is of the general category Cc, Cf, Zl or Zp, or one of the
// bidirectional embeddings, overrides and isolates (platform/unicode_controls.h).
bool isControlOrFormat(char32_t codePoint);

enum class TextFault { None, InvalidUtf8, ControlOrFormat };

// The first fault of `text` from its start: bytes that are no UTF-8, or a control or
// format character.
TextFault findTextFault(std::string_view text);

}  // namespace lotto
