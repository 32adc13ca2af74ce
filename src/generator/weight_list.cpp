#include "generator/weight_list.h"

#include "platform/code_page.h"

namespace lotto {
namespace {

constexpr std::size_t kLargestFile = std::size_t{64} * 1024;
constexpr std::size_t kLongestLine = 255;

}  // namespace

std::array<std::string, 45> parseWeightList(std::string_view bytes) {
  if (bytes.size() > kLargestFile) {
    throw WeightListError("Die Datei ist größer als 64 KiB und ist keine Werteliste.");
  }
  if (bytes.find('\0') != std::string_view::npos) {
    throw WeightListError("Die Datei enthält Binärdaten und ist keine Werteliste.");
  }
  std::array<std::string, 45> lines;
  std::size_t at = 0;
  for (std::size_t i = 0; i < lines.size() && at < bytes.size(); ++i) {
    const std::size_t end = bytes.find_first_of("\r\n", at);
    const std::string_view line =
        bytes.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
    if (line.size() > kLongestLine) {
      throw WeightListError("Zeile " + std::to_string(i + 1) +
                            " ist länger als 255 Zeichen: die Datei ist keine Werteliste.");
    }
    lines[i] = fromAnsi(line);
    if (end == std::string_view::npos) break;
    at = end + 1;
    if (bytes[end] == '\r' && at < bytes.size() && bytes[at] == '\n') ++at;
  }
  return lines;
}

std::string formatWeightList(const std::array<std::string, 45>& lines) {
  std::string bytes;
  for (const std::string& line : lines) bytes += toAnsi(line) + "\r\n";
  return bytes;
}

}  // namespace lotto
