// Tip generation: the random generator, the candidate pool, the generator run and the lucky
// number, on the bundled history and on small fixtures.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "generator/candidate_pool.h"
#include "generator/generator_run.h"
#include "generator/random.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "support/generator_report.h"
#include "support/window_fixture.h"

namespace lotto {
namespace {

using testing::makeDraw;

// A reference run: its input lines and its expected result lines.
struct ReferenceRun {
  std::vector<std::pair<std::string, std::string>> inputs;
  std::vector<std::string> result;
};

ReferenceRun readReference(const std::string& name) {
  std::ifstream in(std::string(LOTTO_SOURCE_DIR) + "/tests/fixtures/generator/" + name);
  ReferenceRun run;
  std::string line;
  bool inResult = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line == "# Result") {
      inResult = true;
    } else if (line.rfind("input ", 0) == 0) {
      const std::size_t equals = line.find('=');
      run.inputs.emplace_back(line.substr(6, equals - 6), line.substr(equals + 1));
    } else if (inResult && !line.empty()) {
      run.result.push_back(line);
    }
  }
  return run;
}

// The window after its start on the bundled history, set as a run's input says.
class BundledWindow : public testing::WindowTest {
 protected:
  void SetUp() override { showWith(testing::realHistory(), dayNumber(2026, 12, 9)); }

  void apply(const std::vector<std::pair<std::string, std::string>>& inputs) {
    for (const auto& [name, value] : inputs) {
      if (name == "seed") {
        form.Zufallsgenerator.setSeed(StrToInt(value));
      } else if (name == "date1") {
        form.DateTimePicker1.setDate(
            dayNumber(std::stoi(value.substr(0, 4)), std::stoi(value.substr(5, 2)),
                      std::stoi(value.substr(8, 2))));
      } else if (name.rfind("CheckBox", 0) == 0) {
        const int number = std::stoi(name.substr(8));
        for (auto& [boxNumber, box] : form.checkBoxes()) {
          if (boxNumber == number) box->Checked = value == "1";
        }
      } else if (name.rfind("UpDown", 0) == 0) {
        form.spinners()[static_cast<std::size_t>(std::stoi(name.substr(6)) - 1)]->setPosition(
            std::stoi(value));
        if (name == "UpDown7") form.UpDown7Click();
      } else {
        FAIL() << "unknown input " << name;
      }
    }
  }
};

class ReferenceRuns : public BundledWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(ReferenceRuns, MatchLineByLine) {
  const ReferenceRun reference = readReference(GetParam());
  ASSERT_FALSE(reference.result.empty());
  apply(reference.inputs);
  form.Label28Click();

  std::vector<std::string> lines = testing::generatorTrace(form);
  for (const std::string& line : testing::generatorReport(form)) lines.push_back(line);
  for (std::size_t i = 0; i < std::max(lines.size(), reference.result.size()); ++i) {
    EXPECT_EQ(i < lines.size() ? lines[i] : "(none)",
              i < reference.result.size() ? reference.result[i] : "(none)")
        << "line " << i + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(Bundled, ReferenceRuns,
                         ::testing::Values("generator-run-1.txt", "generator-run-42.txt",
                                           "generator-run--5.txt", "generator-run-allpasses.txt"));

}  // namespace
}  // namespace lotto
