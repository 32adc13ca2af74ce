// Converts the draw history CSV into a draw file.
//   csv2dat [--keep-existing] history.csv ZahlenAT.dat
// With --keep-existing an existing draw file is left alone.

#include <cstdio>
#include <exception>
#include <string>

#include "draws/draw_file.h"
#include "draws/history_csv.h"
#include "platform/file_io.h"

int main(int argc, char** argv) {
  bool keepExisting = false;
  int first = 1;
  if (argc > 1 && std::string(argv[1]) == "--keep-existing") {
    keepExisting = true;
    first = 2;
  }
  if (argc - first != 2) {
    std::fprintf(stderr, "Aufruf: csv2dat [--keep-existing] verlauf.csv ZahlenAT.dat\n");
    return 2;
  }
  const std::string csvPath = argv[first];
  const std::string datPath = argv[first + 1];
  if (keepExisting && lotto::fileExists(datPath)) return 0;
  try {
    const auto records = lotto::parseHistoryCsv(lotto::readWholeFile(csvPath), /*spare=*/1);
    lotto::writeDrawFile(datPath, datPath + ".neu~", records);
    std::printf("%s: %zu Ziehungen geschrieben\n", datPath.c_str(), records.size());
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "%s: %s\n", csvPath.c_str(), e.what());
    return 1;
  }
}
