#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace lotto {

// Text to integer as the program reads every number a user or a file gives it: an
// optional sign and at least one decimal digit, nothing else (no blanks, no
// hexadecimal), within the signed 32-bit range.
std::optional<std::int32_t> tryToInteger(std::string_view text);

// As above, but a text that is not a whole number throws ConversionError.
std::int32_t toInteger(std::string_view text);

}  // namespace lotto
