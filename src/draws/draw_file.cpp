#include "draws/draw_file.h"

#include "platform/errors.h"
#include "platform/file_io.h"

namespace lotto {

std::vector<DrawRecord> decodeDrawFile(std::string_view bytes, const std::string& path) {
  if (bytes.size() % kDrawRecordSize != 0) throw InOutError(kIoReadPastEnd, path);
  std::vector<DrawRecord> records;
  records.reserve(bytes.size() / kDrawRecordSize);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  for (std::size_t offset = 0; offset < bytes.size(); offset += kDrawRecordSize) {
    records.push_back(decodeDrawRecord(data + offset));
  }
  return records;
}

std::string encodeDrawFile(const std::vector<DrawRecord>& records) {
  std::string bytes;
  bytes.reserve(records.size() * kDrawRecordSize);
  for (const DrawRecord& record : records) {
    const auto encoded = encodeDrawRecord(record);
    bytes.append(reinterpret_cast<const char*>(encoded.data()), encoded.size());
  }
  return bytes;
}

std::vector<DrawRecord> readDrawFile(const std::string& path) {
  return decodeDrawFile(readWholeFile(path), path);
}

void appendDrawRecord(const std::string& path, const DrawRecord& record) {
  // A damaged length would put the new record out of step with all others.
  decodeDrawFile(readWholeFile(path), path);
  const auto encoded = encodeDrawRecord(record);
  appendToFile(path,
               std::string_view(reinterpret_cast<const char*>(encoded.data()), encoded.size()));
}

void createEmptyDrawFile(const std::string& path) {
  createFileIfMissing(path);
}

void writeDrawFile(const std::string& path, const std::string& tempPath,
                   const std::vector<DrawRecord>& records) {
  replaceFileAtomically(path, tempPath, encodeDrawFile(records));
}

}  // namespace lotto
