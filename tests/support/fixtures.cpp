#include "support/fixtures.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "draws/draw_file.h"
#include "draws/history_csv.h"
#include "platform/dates.h"
#include "platform/file_io.h"

namespace lotto::testing {

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "kalkuat-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern + "/";
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

DrawRecord makeDraw(int year, int month, int day, std::array<int, 6> numbers, int zusatzzahl,
                    int spare) {
  DrawRecord record;
  record.date = dayNumber(year, month, day);
  for (std::size_t i = 0; i < 6; ++i) record.bytes[i] = static_cast<std::uint8_t>(numbers[i]);
  record.bytes[6] = static_cast<std::uint8_t>(zusatzzahl);
  record.bytes[7] = static_cast<std::uint8_t>(spare);
  return record;
}

void writeRecords(const std::string& path, const std::vector<DrawRecord>& records) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  const std::string bytes = encodeDrawFile(records);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + path);
}

std::string historyCsvPath() {
  return std::string(LOTTO_SOURCE_DIR) + "/data/lotto-6aus45-at.csv";
}

std::vector<DrawRecord> realHistory() {
  return parseHistoryCsv(readWholeFile(historyCsvPath()), 1);
}

}  // namespace lotto::testing
