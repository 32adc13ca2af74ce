#include "draws/history_csv.h"

#include <algorithm>

#include "platform/convert.h"
#include "platform/dates.h"

namespace lotto {
namespace {

constexpr std::string_view kHeader = "date,n1,n2,n3,n4,n5,n6,zusatzzahl";

std::vector<std::string_view> splitFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) {
      fields.push_back(line.substr(start));
      return fields;
    }
    fields.push_back(line.substr(start, comma - start));
    start = comma + 1;
  }
}

bool isDigits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
}

double parseIsoDate(std::string_view text, int line) {
  if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !isDigits(text.substr(0, 4)) ||
      !isDigits(text.substr(5, 2)) || !isDigits(text.substr(8, 2))) {
    throw HistoryCsvError(line,
                          "Datum \"" + std::string(text) + "\" ist nicht im Format JJJJ-MM-TT");
  }
  const int year = *tryToInteger(text.substr(0, 4));
  const int month = *tryToInteger(text.substr(5, 2));
  const int day = *tryToInteger(text.substr(8, 2));
  const double date = dayNumber(year, month, day);
  if (month < 1 || month > 12 || civilDate(date) != CivilDate{year, month, day}) {
    throw HistoryCsvError(line, "Datum \"" + std::string(text) + "\" gibt es nicht");
  }
  return date;
}

std::uint8_t parseNumber(std::string_view text, int line) {
  const auto value = isDigits(text) ? tryToInteger(text) : std::nullopt;
  if (!value || *value < 1 || *value > 45) {
    throw HistoryCsvError(line, "\"" + std::string(text) + "\" ist keine Zahl von 1 bis 45");
  }
  return static_cast<std::uint8_t>(*value);
}

}  // namespace

HistoryCsvError::HistoryCsvError(int line, const std::string& reason)
    : AppError("Zeile " + std::to_string(line) + ": " + reason), line_(line) {}

std::vector<DrawRecord> parseHistoryCsv(std::string_view text, std::uint8_t spare) {
  std::vector<DrawRecord> records;
  int lineNumber = 0;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    start = end + 1;
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (line.empty()) continue;
    if (lineNumber == 1 && line == kHeader) continue;

    const auto fields = splitFields(line);
    if (fields.size() != 8) {
      throw HistoryCsvError(lineNumber,
                            "8 Felder erwartet, " + std::to_string(fields.size()) + " gefunden");
    }
    DrawRecord record;
    record.date = parseIsoDate(fields[0], lineNumber);
    for (std::size_t i = 0; i < 7; ++i) record.bytes[i] = parseNumber(fields[i + 1], lineNumber);
    record.bytes[7] = spare;

    for (std::size_t i = 0; i < 7; ++i) {
      for (std::size_t j = i + 1; j < 7; ++j) {
        if (record.bytes[i] == record.bytes[j]) {
          throw HistoryCsvError(
              lineNumber, "die Zahl " + std::to_string(record.bytes[i]) + " kommt doppelt vor");
        }
      }
    }
    if (!records.empty() && record.date <= records.back().date) {
      throw HistoryCsvError(lineNumber, "das Datum liegt nicht nach dem der Zeile davor");
    }
    records.push_back(record);
  }
  return records;
}

}  // namespace lotto
