#include "draws/draw_file.h"

#include "platform/errors.h"
#include "platform/file_io.h"

namespace lotto {

void DrawHistory::throwIfCut() const {
  if (cut) throw InOutError(kIoReadPastEnd, path);
}

DrawHistory decodeDrawFile(std::string_view bytes, const std::string& path) {
  DrawHistory history;
  history.path = path;
  history.cut = bytes.size() % kDrawRecordSize != 0;
  const std::size_t whole = bytes.size() / kDrawRecordSize;
  history.records.reserve(whole);
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  for (std::size_t i = 0; i < whole; ++i) {
    history.records.push_back(decodeDrawRecord(data + i * kDrawRecordSize));
  }
  return history;
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

DrawHistory readDrawHistory(const std::string& path) {
  return decodeDrawFile(readWholeFile(path), path);
}

std::vector<DrawRecord> readDrawFile(const std::string& path) {
  DrawHistory history = readDrawHistory(path);
  history.throwIfCut();
  return std::move(history.records);
}

void appendDrawRecord(const std::string& path, const DrawRecord& record) {
  if (fileSize(path) % kDrawRecordSize != 0) throw InOutError(kIoReadPastEnd, path);
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
