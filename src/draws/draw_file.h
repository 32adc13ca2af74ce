#pragma once
// The draw file "ZahlenAT.dat": nothing but DrawRecords in ascending date order, newest
// last. A command reads it once, whole, and works on the records in memory.

#include <string>
#include <string_view>
#include <vector>

#include "draws/draw_record.h"

namespace lotto {

inline constexpr const char* kDrawFileName = "ZahlenAT.dat";

// The draw file as a command reads it: every whole record, and whether a partial record
// follows them (a file cut while a record was appended). A command uses the whole records
// it comes to; only a loop that reads on past the last of them meets the partial record
// and fails there, keeping what it did before.
struct DrawHistory {
  std::vector<DrawRecord> records;
  bool cut = false;
  std::string path;

  std::size_t size() const { return records.size(); }
  // Reading on after the last whole record: E/A-Fehler 100 when a partial record stands
  // there, nothing at the end of a whole file.
  void throwIfCut() const;
};

// Decodes the bytes of a draw file; trailing bytes short of a record mark it as cut.
DrawHistory decodeDrawFile(std::string_view bytes, const std::string& path);
std::string encodeDrawFile(const std::vector<DrawRecord>& records);

// Reads the whole file. A missing file throws InOutError.
DrawHistory readDrawHistory(const std::string& path);
// Reads every record, for commands that need all of them before they act (entry,
// removal): a missing or cut file throws InOutError.
std::vector<DrawRecord> readDrawFile(const std::string& path);

// Appends one record after the last one. The file must exist and hold whole records
// only, so that the new record is never out of step with the others.
void appendDrawRecord(const std::string& path, const DrawRecord& record);

// Creates an empty draw file when none exists.
void createEmptyDrawFile(const std::string& path);

// Writes a complete new draw file under tempPath and renames it over path. A failure at
// any moment leaves either the old or the new history in place.
void writeDrawFile(const std::string& path, const std::string& tempPath,
                   const std::vector<DrawRecord>& records);

}  // namespace lotto
