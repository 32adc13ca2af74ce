#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>
#include <tuple>

#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"
#include "platform/german.h"
#include "platform/program_folders.h"
#include "platform/text_safety.h"
#include "support/fixtures.h"

namespace lotto {
namespace {

struct DateCase {
  int year, month, day;
  double dayNumber;
  int weekday;
};

TEST(Dates, DayNumbersAndWeekdays) {
  const DateCase cases[] = {
      {1899, 12, 30, 0, 7},  // day 0 is a Saturday
      {1899, 12, 31, 1, 1},  // Sunday
      {1900, 1, 1, 2, 2},
      {1955, 10, 9, 20371, 1},  // earliest date of the database picker, a Sunday
      {1986, 9, 7, 31662, 1},   // first draw, a Sunday
      {2000, 2, 29, 36585, 3},  // leap day
      {2025, 1, 5, 45662, 1},   // Sunday
      {2026, 8, 19, 46253, 4},  // Wednesday
      {2026, 8, 21, 46255, 6},  // Friday
  };
  for (const DateCase& c : cases) {
    SCOPED_TRACE(std::to_string(c.year) + "-" + std::to_string(c.month) + "-" +
                 std::to_string(c.day));
    EXPECT_EQ(dayNumber(c.year, c.month, c.day), c.dayNumber);
    EXPECT_EQ(civilDate(c.dayNumber), (CivilDate{c.year, c.month, c.day}));
    EXPECT_EQ(dayOfWeek(c.dayNumber), c.weekday);
  }
}

TEST(Dates, RoundingToDaysAndOddValues) {
  EXPECT_EQ(roundToDay(45662.4), 45662);
  EXPECT_EQ(roundToDay(45662.5), 45662);  // half to even
  EXPECT_EQ(roundToDay(45663.5), 45664);
  // A damaged file can hold anything in the date bytes; nothing may crash or loop.
  for (double odd : {-1.0e300, 1.0e300, -0.5, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
    const int weekday = dayOfWeek(odd);
    EXPECT_GE(weekday, 1);
    EXPECT_LE(weekday, 7);
    (void)civilDate(odd);
    EXPECT_EQ(isShowableDate(odd), odd == -0.5);
  }
  // The dates a date field shows: 1 January 100 to 31 December 9999.
  EXPECT_EQ(dayNumber(100, 1, 1), kEarliestDate);
  EXPECT_EQ(dayNumber(9999, 12, 31), kLatestDate);
  EXPECT_TRUE(isShowableDate(kEarliestDate));
  EXPECT_TRUE(isShowableDate(kLatestDate));
  EXPECT_FALSE(isShowableDate(kLatestDate + 1));
  EXPECT_FALSE(isShowableDate(kEarliestDate - 1));
}

TEST(German, DrawDateFormat) {
  EXPECT_EQ(formatDrawDate(dayNumber(2025, 1, 5)), "So 05.01.25");
  EXPECT_EQ(formatDrawDate(dayNumber(2026, 8, 21)), "Fr 21.08.26");
  EXPECT_EQ(formatDrawDate(dayNumber(1999, 12, 29)), "Mi 29.12.99");
  EXPECT_EQ(longWeekdayName(4), "Mittwoch");
  EXPECT_EQ(shortWeekdayName(7), "Sa");
  // The form the draw service asks by.
  EXPECT_EQ(compactDate(dayNumber(1955, 10, 12)), "19551012");
  EXPECT_EQ(compactDate(dayNumber(2025, 1, 8)), "20250108");
}

TEST(Convert, TextToInteger) {
  struct Case {
    const char* text;
    std::optional<std::int32_t> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"7", 7},
      {"07", 7},
      {"+5", 5},
      {"-5", -5},
      {"2147483647", 2147483647},
      {"-2147483648", INT32_MIN},
      {"2147483648", {}},
      {"99999999999", {}},
      {"", {}},
      {"-", {}},
      {"+", {}},
      {" 5", {}},
      {"5 ", {}},
      {"0x10", {}},
      {"1e3", {}},
      {"4a", {}},
      {"--5", {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(tryToInteger(c.text), c.value);
  }
  EXPECT_EQ(toInteger("45"), 45);
  try {
    toInteger("x");
    FAIL() << "no exception";
  } catch (const ConversionError& e) {
    EXPECT_STREQ(e.what(), "'x' ist kein gültiger Integerwert");
  }
}

TEST(TextSafety, DecodesOnlyWellFormedUtf8) {
  struct Case {
    const char* name;
    std::string bytes;
    std::optional<std::u32string> decoded;
  };
  const Case cases[] = {
      {"empty", "", U""},
      {"ASCII", "http://b/?a=1", U"http://b/?a=1"},
      {"umlauts", "\xC3\xA4\xC3\x9F", U"\u00E4\u00DF"},
      {"the euro sign", "\xE2\x82\xAC", U"\u20AC"},
      {"four bytes", "\xF0\x9F\x98\x80", U"\U0001F600"},
      // The first and last code point of each length, and those around the surrogates.
      {"U+0080", "\xC2\x80", U"\u0080"},
      {"U+07FF", "\xDF\xBF", U"\u07FF"},
      {"U+0800", "\xE0\xA0\x80", U"\u0800"},
      {"U+D7FF", "\xED\x9F\xBF", U"\uD7FF"},
      {"U+E000", "\xEE\x80\x80", U"\uE000"},
      {"U+FFFF", "\xEF\xBF\xBF", U"\uFFFF"},
      {"U+10000", "\xF0\x90\x80\x80", U"\U00010000"},
      {"U+10FFFF", "\xF4\x8F\xBF\xBF", U"\U0010FFFF"},
      // Overlong forms.
      {"C0 80 for U+0000", "\xC0\x80", std::nullopt},
      {"C1 BF for U+007F", "\xC1\xBF", std::nullopt},
      {"E0 80 80 for U+0000", "\xE0\x80\x80", std::nullopt},
      {"E0 9F BF for U+07FF", "\xE0\x9F\xBF", std::nullopt},
      {"F0 8F BF BF for U+FFFF", "\xF0\x8F\xBF\xBF", std::nullopt},
      // Surrogates, above U+10FFFF, bytes UTF-8 never uses.
      {"U+D800", "\xED\xA0\x80", std::nullopt},
      {"U+DFFF", "\xED\xBF\xBF", std::nullopt},
      {"U+110000", "\xF4\x90\x80\x80", std::nullopt},
      {"F5", "\xF5\x80\x80\x80", std::nullopt},
      {"five bytes", "\xF8\x88\x80\x80\x80", std::nullopt},
      {"FF", "a\xFF", std::nullopt},
      // Sequences cut short or broken.
      {"a lone continuation byte", "a\x80", std::nullopt},
      {"two of three bytes at the end", "ab\xE2\x82", std::nullopt},
      {"one of two bytes before ASCII",
       "\xC3"
       "a",
       std::nullopt},
      {"three of four bytes", "\xF0\x9F\x98", std::nullopt},
      {"Windows-1252 for a-umlaut", "b\xE4r", std::nullopt},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(decodeUtf8(c.bytes), c.decoded);
    EXPECT_EQ(findTextFault(c.bytes) == TextFault::InvalidUtf8, !c.decoded.has_value());
  }
}

TEST(TextSafety, ControlAndFormatCharacters) {
  struct Case {
    char32_t codePoint;
    bool refused;
  };
  const Case cases[] = {
      {0x0000, true},   {0x0009, true},    {0x001F, true},   {0x0020, false}, {0x007E, false},
      {0x007F, true},   {0x0080, true},    {0x0085, true},   {0x009F, true},  {0x00A0, false},
      {0x00AD, true},   {0x00E4, false},   {0x061C, true},   {0x200A, false}, {0x200B, true},
      {0x200E, true},   {0x200F, true},    {0x2010, false},  {0x2027, false}, {0x2028, true},
      {0x2029, true},   {0x202A, true},    {0x202E, true},   {0x202F, false}, {0x2060, true},
      {0x2066, true},   {0x2069, true},    {0x20AC, false},  {0xFEFF, true},  {0xFFFD, false},
      {0xFFF9, true},   {0x1D173, true},   {0x1F600, false}, {0xE0001, true}, {0xE007F, true},
      {0xE0080, false}, {0x10FFFF, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<unsigned>(c.codePoint));
    EXPECT_EQ(isControlOrFormat(c.codePoint), c.refused);
  }
}

TEST(TextSafety, TheFirstFaultOfAText) {
  struct Case {
    const char* name;
    std::string text;
    TextFault fault;
  };
  const Case cases[] = {
      {"plain", "https://b.example/k\xC3\xB6rbchen?a=\xE2\x82\xAC", TextFault::None},
      {"NEL", "http://b/\xC2\x85", TextFault::ControlOrFormat},
      {"a right-to-left override", "http://b/\xE2\x80\xAEgpj.exe", TextFault::ControlOrFormat},
      {"DEL", "http://b/\x7F", TextFault::ControlOrFormat},
      {"a control before bad bytes", "\x01\xFF", TextFault::ControlOrFormat},
      {"bad bytes before a control", "\xFF\x01", TextFault::InvalidUtf8},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(findTextFault(c.text), c.fault);
  }
}

class FileIo : public ::testing::Test {
 protected:
  testing::TempDir dir;
  std::string target = dir.file("data.bin");
  std::string temp = dir.file("data.bin~");

  void writePlain(const std::string& path, const std::string& content) {
    std::ofstream(path, std::ios::binary) << content;
  }
};

TEST_F(FileIo, MissingFileIsFileNotFound) {
  EXPECT_FALSE(fileExists(target));
  try {
    readWholeFile(target);
    FAIL() << "no exception";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), kIoFileNotFound);
    EXPECT_EQ(std::string(e.what()).rfind("E/A-Fehler 2", 0), 0u) << e.what();
  }
}

TEST_F(FileIo, ReplaceWritesNewContentAndLeavesNoTemporaryFile) {
  writePlain(target, "old");
  replaceFileAtomically(target, temp, "new content");
  EXPECT_EQ(readWholeFile(target), "new content");
  EXPECT_FALSE(fileExists(temp));
}

TEST_F(FileIo, FailedWriteOfTheTemporaryFileLeavesTheOldFileWhole) {
  writePlain(target, "the old history");
  // Every write into /dev/full fails as on a full disk.
  ASSERT_EQ(symlink("/dev/full", temp.c_str()), 0);
  try {
    replaceFileAtomically(target, temp, std::string(4096, 'x'));
    FAIL() << "no exception";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), kIoDiskFull);
  }
  EXPECT_EQ(readWholeFile(target), "the old history");
  struct stat st {};
  EXPECT_NE(lstat(temp.c_str(), &st), 0) << "the temporary file was left behind";
}

TEST_F(FileIo, FailedRenameLeavesTheOldFileWhole) {
  // A folder in the way of the target cannot be replaced by a file.
  const std::string folder = dir.file("folder");
  ASSERT_EQ(mkdir(folder.c_str(), 0755), 0);
  writePlain(folder + "/inside", "kept");
  EXPECT_THROW(replaceFileAtomically(folder, temp, "new"), InOutError);
  EXPECT_EQ(readWholeFile(folder + "/inside"), "kept");
  EXPECT_FALSE(fileExists(temp));
}

TEST_F(FileIo, AppendAndCreate) {
  createFileIfMissing(target);
  EXPECT_EQ(readWholeFile(target), "");
  appendToFile(target, "ab");
  appendToFile(target, "cd");
  createFileIfMissing(target);  // an existing file stays as it is
  EXPECT_EQ(readWholeFile(target), "abcd");
  EXPECT_THROW(appendToFile(dir.file("missing"), "x"), InOutError);
}

TEST_F(FileIo, AnAppendThatFailsHalfwayLeavesNothingBehind) {
  writePlain(target, std::string(32, 'a'));
  // The file may grow by 8 bytes only: the 16 bytes of a record are written half.
  signal(SIGXFSZ, SIG_IGN);
  rlimit old{};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &old), 0);
  rlimit small = old;
  small.rlim_cur = 40;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  try {
    appendToFile(target, std::string(16, 'b'));
    ADD_FAILURE() << "the short write was not noticed";
  } catch (const InOutError& e) {
    EXPECT_EQ(e.code(), kIoDiskFull);
  }
  setrlimit(RLIMIT_FSIZE, &old);
  signal(SIGXFSZ, SIG_DFL);
  EXPECT_EQ(readWholeFile(target), std::string(32, 'a'));
}

// Sets environment values for a test and puts the old ones back at its end.
class Environment {
 public:
  Environment() {
    for (const char* name : {"HOME", "XDG_DATA_HOME"}) {
      const char* value = std::getenv(name);
      saved_.push_back({name, value != nullptr, value != nullptr ? value : ""});
    }
  }
  Environment(const Environment&) = delete;
  Environment& operator=(const Environment&) = delete;
  ~Environment() {
    for (const auto& [name, set, value] : saved_) {
      set ? ::setenv(name, value.c_str(), 1) : ::unsetenv(name);
    }
  }
  void set(const char* name, const std::string& value) { ::setenv(name, value.c_str(), 1); }
  void unset(const char* name) { ::unsetenv(name); }

 private:
  std::vector<std::tuple<const char*, bool, std::string>> saved_;
};

TEST(ProgramFolders, TheUserDataFolderFollowsTheXdgDataHome) {
  EXPECT_EQ(userDataFolder("/x/daten", "/home/anna"), "/x/daten/Brunnhold/KalkuAT/");
  EXPECT_EQ(userDataFolder("/x/daten/", "/home/anna"), "/x/daten/Brunnhold/KalkuAT/");
  // A relative or empty XDG_DATA_HOME is not used.
  EXPECT_EQ(userDataFolder("daten", "/home/anna"), "/home/anna/.local/share/Brunnhold/KalkuAT/");
  EXPECT_EQ(userDataFolder("", "/home/anna/"), "/home/anna/.local/share/Brunnhold/KalkuAT/");
  EXPECT_EQ(userDataFolder(nullptr, "/home/anna"), "/home/anna/.local/share/Brunnhold/KalkuAT/");
  // Without HOME, the home of the account.
  const std::string fromAccount = userDataFolder(nullptr, nullptr);
  EXPECT_EQ(fromAccount.front(), '/');
  EXPECT_TRUE(fromAccount.ends_with("/.local/share/Brunnhold/KalkuAT/")) << fromAccount;
}

TEST(ProgramFolders, ACopyInAWritableFolderKeepsEverythingBesideItself) {
  testing::TempDir dir;
  const ProgramFolders folders = programFoldersFor(dir.file("kalkuat"), "Hilfe.html");
  EXPECT_EQ(folders.program, dir.path());
  EXPECT_EQ(folders.data, dir.path());
  EXPECT_FALSE(folders.userData);
  prepareDataFolder(folders, "ZahlenAT.dat");  // nothing to do
  EXPECT_FALSE(fileExists(dir.file("ZahlenAT.dat")));
}

TEST(ProgramFolders, AnInstalledCopyKeepsItsDataInTheUsersFolder) {
  Environment environment;
  testing::TempDir dir;
  createFolderIfMissing(dir.file("bin"));
  createFolderIfMissing(dir.file("share"));
  createFolderIfMissing(dir.file("share/kalkuat"));
  replaceFileAtomically(dir.file("share/kalkuat/Hilfe.html"), dir.file("t"), "<html/>");
  replaceFileAtomically(dir.file("share/kalkuat/ZahlenAT.dat"), dir.file("t"), "bundled");
  const std::string data = dir.file("home/.local/share/Brunnhold/KalkuAT/");
  environment.set("HOME", dir.file("home"));
  environment.unset("XDG_DATA_HOME");

  const ProgramFolders folders = programFoldersFor(dir.file("bin/kalkuat"), "Hilfe.html");
  EXPECT_EQ(folders.program, dir.file("share/kalkuat/"));
  EXPECT_EQ(folders.data, data);
  EXPECT_TRUE(folders.userData);

  // The first start makes the folder and copies the bundled history whole.
  prepareDataFolder(folders, "ZahlenAT.dat");
  EXPECT_EQ(readWholeFile(data + "ZahlenAT.dat"), "bundled");
  EXPECT_TRUE(filesInFolder(data) == std::vector<std::string>{"ZahlenAT.dat"});
  // A later start never replaces the user's history.
  replaceFileAtomically(data + "ZahlenAT.dat", data + "t", "the user's own");
  prepareDataFolder(folders, "ZahlenAT.dat");
  EXPECT_EQ(readWholeFile(data + "ZahlenAT.dat"), "the user's own");

  // Without a bundled history the folder is made and stays empty.
  environment.set("XDG_DATA_HOME", dir.file("xdg"));
  std::remove(dir.file("share/kalkuat/ZahlenAT.dat").c_str());
  const ProgramFolders bare = programFoldersFor(dir.file("bin/kalkuat"), "Hilfe.html");
  EXPECT_EQ(bare.data, dir.file("xdg/Brunnhold/KalkuAT/"));
  prepareDataFolder(bare, "ZahlenAT.dat");
  EXPECT_TRUE(filesInFolder(bare.data).empty());

  // A data folder that cannot be made is an error with its name.
  replaceFileAtomically(dir.file("blocked"), dir.file("t"), "a file, no folder");
  environment.set("XDG_DATA_HOME", dir.file("blocked"));
  const ProgramFolders blocked = programFoldersFor(dir.file("bin/kalkuat"), "Hilfe.html");
  EXPECT_THROW(prepareDataFolder(blocked, "ZahlenAT.dat"), InOutError);
}

TEST(ProgramFolders, ACopyInAFolderItCannotWriteKeepsItsDataInTheUsersFolder) {
  if (::geteuid() == 0) GTEST_SKIP() << "every folder is writable for root";
  Environment environment;
  testing::TempDir dir;
  createFolderIfMissing(dir.file("bin"));
  ::chmod(dir.file("bin").c_str(), 0555);
  environment.set("XDG_DATA_HOME", dir.file("xdg"));
  const ProgramFolders folders = programFoldersFor(dir.file("bin/kalkuat"), "Hilfe.html");
  ::chmod(dir.file("bin").c_str(), 0755);
  EXPECT_EQ(folders.program, dir.file("bin/"));
  EXPECT_EQ(folders.data, dir.file("xdg/Brunnhold/KalkuAT/"));
  EXPECT_TRUE(folders.userData);
}

}  // namespace
}  // namespace lotto
