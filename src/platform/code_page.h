#pragma once
// Text files are kept in the single-byte code page of the Windows world (Windows-1252);
// the program's own strings are UTF-8.

#include <string>
#include <string_view>

namespace lotto {

// Every byte of the code page as UTF-8 (the five unassigned bytes as U+FFFD).
std::string fromAnsi(std::string_view bytes);
// UTF-8 as the code page; a character it cannot hold, or a byte that is not UTF-8,
// becomes '?'.
std::string toAnsi(std::string_view utf8);

}  // namespace lotto
