#pragma once
// Helpers for tests: a temporary folder, hand-made draw records and the real history.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "draws/draw_record.h"

namespace lotto::testing {

// A fresh folder below the system's temporary folder, removed with the object.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();
  // The folder, ending in '/'.
  const std::string& path() const { return path_; }
  std::string file(const std::string& name) const { return path_ + name; }

 private:
  std::string path_;
};

// A draw of the given calendar date.
DrawRecord makeDraw(int year, int month, int day, std::array<int, 6> numbers, int zusatzzahl,
                    int spare = 1);

// Writes records as a draw file (no temporary file, no checks).
void writeRecords(const std::string& path, const std::vector<DrawRecord>& records);

// The real draw history 1986-2026 shipped in data/.
std::string historyCsvPath();
std::vector<DrawRecord> realHistory();

}  // namespace lotto::testing
