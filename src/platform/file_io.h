#pragma once
// The program's file access. Every failure throws InOutError with the file's name.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lotto {

bool fileExists(const std::string& path);

// The size of an existing file in bytes.
std::uint64_t fileSize(const std::string& path);
// When a file was last written, in seconds since 1 January 1970 UTC.
std::int64_t fileModificationTime(const std::string& path);
// Whether a path is a regular file that may be run.
bool isExecutableFile(const std::string& path);
// The names of the regular files directly in a folder, in name order; none when the
// folder cannot be read.
std::vector<std::string> filesInFolder(const std::string& folder);

// The whole content of a file, taken with one read.
std::string readWholeFile(const std::string& path);

// Appends bytes to an existing file: all of them, or none when the writing fails.
void appendToFile(const std::string& path, std::string_view bytes);

// Creates a folder when none exists; an existing one is left as it is.
void createFolderIfMissing(const std::string& path);

// Creates an empty file when none exists; an existing file is left as it is.
void createFileIfMissing(const std::string& path);

// Writes the complete new content under tempPath, flushes it to the disk and then renames
// it over path. Rename is atomic, so at every moment path holds either the old or the new
// content, never none and never a part. When anything fails the temporary file is
// removed, path is untouched and InOutError is thrown.
void replaceFileAtomically(const std::string& path, const std::string& tempPath,
                           std::string_view bytes);

}  // namespace lotto
