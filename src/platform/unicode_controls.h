#pragma once
// The code points that no address the program opens or requests may hold: the general
// categories Cc, Cf, Zl and Zp and the bidirectional embeddings, overrides and isolates,
// from the Unicode Character Database, version 15.0.0.
//
// Written by tools/unicode/make_control_table.py; run it again (on a newer
// UnicodeData.txt) rather than editing this file.

namespace lotto {

inline constexpr const char* kUnicodeControlTableVersion = "15.0.0";

struct CodePointRange {
  char32_t first;
  char32_t last;  // included
};

// Sorted and disjoint, so that a binary search finds a code point. One range a line, as
// the script writes it.
// clang-format off
inline constexpr CodePointRange kControlAndFormatRanges[] = {
    {0x0000, 0x001F},
    {0x007F, 0x009F},
    {0x00AD, 0x00AD},
    {0x0600, 0x0605},
    {0x061C, 0x061C},
    {0x06DD, 0x06DD},
    {0x070F, 0x070F},
    {0x0890, 0x0891},
    {0x08E2, 0x08E2},
    {0x180E, 0x180E},
    {0x200B, 0x200F},
    {0x2028, 0x202E},
    {0x2060, 0x2064},
    {0x2066, 0x206F},
    {0xFEFF, 0xFEFF},
    {0xFFF9, 0xFFFB},
    {0x110BD, 0x110BD},
    {0x110CD, 0x110CD},
    {0x13430, 0x1343F},
    {0x1BCA0, 0x1BCA3},
    {0x1D173, 0x1D17A},
    {0xE0001, 0xE0001},
    {0xE0020, 0xE007F},
};
// clang-format on

}  // namespace lotto
