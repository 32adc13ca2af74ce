#pragma once
// The bundled draw history comes as CSV: a header line
//   date,n1,n2,n3,n4,n5,n6,zusatzzahl
// then one row per draw in ascending date order, e.g. 1986-09-07,1,20,22,24,27,40,12.

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "draws/draw_record.h"
#include "platform/errors.h"

namespace lotto {

// A malformed row; the message names its line number (counted from 1).
class HistoryCsvError : public AppError {
 public:
  HistoryCsvError(int line, const std::string& reason);
  int line() const { return line_; }

 private:
  int line_;
};

// Converts the whole CSV text into draw records with the given spare byte. Every row must
// hold a valid date after the previous row's date, six distinct numbers 1..45 and a
// Zusatzzahl 1..45 that is not among them.
std::vector<DrawRecord> parseHistoryCsv(std::string_view text, std::uint8_t spare);

}  // namespace lotto
