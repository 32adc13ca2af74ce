#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>

#include "draws/day_filter.h"
#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "draws/history_csv.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "support/fixtures.h"

namespace lotto {
namespace {

using testing::makeDraw;

TEST(DrawRecord, HandMadeRecordReadBackByteByByte) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  // Sunday 5 January 2025 = day 45662 = 0x40E64BC000000000 as a double.
  const DrawRecord record = makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 7);
  writeDrawFile(path, path + "~", {record});

  const std::string bytes = readWholeFile(path);
  const unsigned char expected[16] = {0x00, 0x00, 0x00, 0x00, 0xC0, 0x4B, 0xE6, 0x40,
                                      3,    11,   19,   24,   37,   42,   8,    7};
  ASSERT_EQ(bytes.size(), 16u);
  for (std::size_t i = 0; i < 16; ++i) {
    EXPECT_EQ(static_cast<unsigned char>(bytes[i]), expected[i]) << "byte " << i;
  }
  const auto back = readDrawFile(path);
  ASSERT_EQ(back.size(), 1u);
  EXPECT_EQ(back[0], record);
  EXPECT_EQ(back[0].number(1), 3);
  EXPECT_EQ(back[0].zusatzzahl(), 8);
  EXPECT_EQ(back[0].spare(), 7);
  EXPECT_EQ(weekdayOf(back[0]), kSunday);
  EXPECT_EQ(quersumme(back[0]), 136);
}

TEST(DrawFile, EmptyFileHoldsNoDraws) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  createEmptyDrawFile(path);
  EXPECT_TRUE(readDrawFile(path).empty());
}

TEST(DrawFile, MissingFileAndPartialRecordAreInputOutputErrors) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  try {
    readDrawFile(path);
    FAIL() << "no exception";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), kIoFileNotFound);
  }

  std::string bytes = encodeDrawFile({makeDraw(2025, 1, 5, {1, 2, 3, 4, 5, 6}, 7)});
  bytes += "12345";  // a partial second record
  std::ofstream(path, std::ios::binary) << bytes;
  try {
    readDrawFile(path);
    FAIL() << "no exception";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), kIoReadPastEnd);
    EXPECT_NE(std::string(e.what()).find("E/A-Fehler"), std::string::npos);
  }
  // Nothing may be appended behind a partial record.
  EXPECT_THROW(appendDrawRecord(path, makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7)), InOutError);
  EXPECT_EQ(readWholeFile(path), bytes);
}

TEST(DrawFile, AppendKeepsEveryRecordAndItsSpareByte) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  const DrawRecord first = makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 9);
  const DrawRecord second = makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7, 3);
  createEmptyDrawFile(path);
  appendDrawRecord(path, first);
  appendDrawRecord(path, second);
  EXPECT_EQ(readDrawFile(path), (std::vector<DrawRecord>{first, second}));
  EXPECT_EQ(readWholeFile(path).size(), 32u);
}

TEST(DrawFile, FailedRewriteLeavesTheOldHistory) {
  testing::TempDir dir;
  const std::string path = dir.file(kDrawFileName);
  const std::string temp = path + "~";
  const std::vector<DrawRecord> old = {makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8)};
  writeDrawFile(path, temp, old);
  ASSERT_EQ(symlink("/dev/full", temp.c_str()), 0);

  std::vector<DrawRecord> bigger(500, makeDraw(2025, 1, 8, {1, 2, 3, 4, 5, 6}, 7));
  EXPECT_THROW(writeDrawFile(path, temp, bigger), InOutError);
  EXPECT_EQ(readDrawFile(path), old);
}

TEST(DayFilter, CountingAndSkippingForms) {
  const double sunday = dayNumber(2025, 1, 5);
  const double wednesday = dayNumber(2025, 1, 8);
  const double tuesday = dayNumber(1995, 1, 3);
  const double friday = dayNumber(2026, 8, 21);
  struct Case {
    double date;
    bool sundayBox, wednesdayBox;
    bool counted, skipped;
  };
  const Case cases[] = {
      {sunday, true, true, true, false},
      {sunday, false, true, false, true},
      {sunday, true, false, true, false},
      {sunday, false, false, false, true},
      {wednesday, true, true, true, false},
      {wednesday, true, false, false, true},
      {wednesday, false, true, true, false},
      {wednesday, false, false, false, true},
      // Other weekdays never count and are never skipped.
      {tuesday, true, true, false, false},
      {tuesday, false, false, false, false},
      {friday, true, true, false, false},
      {friday, false, false, false, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << "weekday " << dayOfWeek(c.date) << " boxes " << c.sundayBox << c.wednesdayBox);
    EXPECT_EQ(countedByDayFilter(c.date, c.sundayBox, c.wednesdayBox), c.counted);
    EXPECT_EQ(skippedByDayFilter(c.date, c.sundayBox, c.wednesdayBox), c.skipped);
  }
}

TEST(DrawDisplay, TextAndQuersumme) {
  const DrawRecord record = makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8);
  const DrawNumbers numbers = drawNumbersOf(record);
  EXPECT_EQ(drawText(record.date, numbers, 2), "So 05.01.25    3  11  19  24  37  42 Z:8");
  EXPECT_EQ(drawText(record.date, numbers, 3), "So 05.01.25     3  11  19  24  37  42 Z:8");
  EXPECT_EQ(quersummeText(numbers), "Quersumme: 136");
  // Bytes of a damaged record are shown as they are.
  const DrawNumbers damaged = drawNumbersOf(makeDraw(2025, 1, 5, {0, 200, 255, 4, 5, 6}, 99));
  EXPECT_EQ(drawText(record.date, damaged, 2), "So 05.01.25    0  200  255  4  5  6 Z:99");
  EXPECT_EQ(quersummeText(damaged), "Quersumme: 470");
}

TEST(HistoryCsv, ConvertsTheRealHistory) {
  const auto records = testing::realHistory();
  ASSERT_EQ(records.size(), 3672u);
  EXPECT_EQ(records.front(), makeDraw(1986, 9, 7, {1, 20, 22, 24, 27, 40}, 12, 1));
  EXPECT_EQ(records.back(), makeDraw(2026, 8, 21, {1, 3, 24, 32, 36, 42}, 37, 1));
  int sundays = 0, wednesdays = 0;
  for (const DrawRecord& r : records) {
    sundays += weekdayOf(r) == kSunday;
    wednesdays += weekdayOf(r) == kWednesday;
  }
  EXPECT_EQ(sundays, 2077);
  EXPECT_EQ(wednesdays, 1509);
}

TEST(HistoryCsv, AcceptsCrLfAndMissingHeader) {
  const auto records =
      parseHistoryCsv("2025-01-05,3,11,19,24,37,42,8\r\n2025-01-08,1,2,3,4,5,6,7", 4);
  ASSERT_EQ(records.size(), 2u);
  EXPECT_EQ(records[0], makeDraw(2025, 1, 5, {3, 11, 19, 24, 37, 42}, 8, 4));
}

TEST(HistoryCsv, RejectsMalformedRowsWithTheirLineNumber) {
  const std::string header = "date,n1,n2,n3,n4,n5,n6,zusatzzahl\n";
  const std::string good = "2025-01-05,3,11,19,24,37,42,8\n";
  struct Case {
    std::string row;
    const char* reason;
  };
  const Case cases[] = {
      {"2025-01-08,1,2,3,4,5,6", "8 Felder"},        {"2025-01-08,1,2,3,4,5,6,7,8", "8 Felder"},
      {"08.01.2025,1,2,3,4,5,6,7", "JJJJ-MM-TT"},    {"2025-02-30,1,2,3,4,5,6,7", "gibt es nicht"},
      {"2025-13-01,1,2,3,4,5,6,7", "gibt es nicht"}, {"2025-01-08,1,2,3,4,5,46,7", "1 bis 45"},
      {"2025-01-08,0,2,3,4,5,6,7", "1 bis 45"},      {"2025-01-08,1,2,3,4,5,x,7", "1 bis 45"},
      {"2025-01-08,1,2,3,4,5, 6,7", "1 bis 45"},     {"2025-01-08,1,2,3,4,5,6,", "1 bis 45"},
      {"2025-01-08,1,2,3,4,5,5,7", "doppelt"},       {"2025-01-08,1,2,3,4,5,6,6", "doppelt"},
      {"2025-01-05,1,2,3,4,5,6,7", "nicht nach"},    {"2024-12-29,1,2,3,4,5,6,7", "nicht nach"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.row);
    try {
      parseHistoryCsv(std::string(header).append(good).append(c.row).append("\n").append(good), 1);
      FAIL() << "accepted";
    } catch (const HistoryCsvError& e) {
      EXPECT_EQ(e.line(), 3);
      const std::string message = e.what();
      EXPECT_EQ(message.rfind("Zeile 3: ", 0), 0u) << message;
      EXPECT_NE(message.find(c.reason), std::string::npos) << message;
    }
  }
}

}  // namespace
}  // namespace lotto
