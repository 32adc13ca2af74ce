#pragma once
// The weight list file (".blw", type "Werteliste"): 45 lines of text for the numbers 1 to
// 45, each ended by CR LF in the single-byte code page. Line i holds the weight of number i
// when it takes part and is empty when it does not.

#include <array>
#include <string>
#include <string_view>

#include "platform/errors.h"

namespace lotto {

inline constexpr const char* kWeightListFilter = "Werteliste|*.blw";
inline constexpr const char* kWeightListExtension = "blw";

// Input that cannot be a weight list at all: a NUL byte, more than 64 KiB, a line of more
// than 255 characters. Anything else loads as it stands.
class WeightListError : public AppError {
 public:
  using AppError::AppError;
};

// The 45 lines of a file as read: past the end of the file a line reads as empty, lines
// after the 45th are not read. A line ends at CR LF, CR or LF. Throws WeightListError.
std::array<std::string, 45> parseWeightList(std::string_view bytes);

// The file's bytes for the 45 lines given (as UTF-8; written in the code page).
std::string formatWeightList(const std::array<std::string, 45>& lines);

}  // namespace lotto
