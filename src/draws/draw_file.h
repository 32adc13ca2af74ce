#pragma once
// The draw file "ZahlenAT.dat": nothing but DrawRecords in ascending date order, newest
// last. A command reads it once, whole, and works on the records in memory.

#include <string>
#include <string_view>
#include <vector>

#include "draws/draw_record.h"

namespace lotto {

inline constexpr const char* kDrawFileName = "ZahlenAT.dat";

// Decodes the bytes of a draw file. A length that is not a multiple of 16 (a damaged
// file ending in a partial record) throws InOutError naming `path`.
std::vector<DrawRecord> decodeDrawFile(std::string_view bytes, const std::string& path);
std::string encodeDrawFile(const std::vector<DrawRecord>& records);

// Reads the whole file. A missing file or a partial record throws InOutError.
std::vector<DrawRecord> readDrawFile(const std::string& path);

// Appends one record after the last one; the file must exist and be whole.
void appendDrawRecord(const std::string& path, const DrawRecord& record);

// Creates an empty draw file when none exists.
void createEmptyDrawFile(const std::string& path);

// Writes a complete new draw file under tempPath and renames it over path. A failure at
// any moment leaves either the old or the new history in place.
void writeDrawFile(const std::string& path, const std::string& tempPath,
                   const std::vector<DrawRecord>& records);

}  // namespace lotto
