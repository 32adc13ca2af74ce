#include "support/generator_report.h"

#include <cstdio>

#include "platform/dates.h"

namespace lotto::testing {
namespace {

template <typename Range>
std::string joined(const Range& values, const char* separator = " ") {
  std::string text;
  for (const auto& value : values) {
    if (!text.empty()) text += separator;
    text += std::to_string(value);
  }
  return text;
}

std::string joinedFrom(const auto& values, std::size_t first, std::size_t last) {
  std::string text;
  for (std::size_t i = first; i <= last; ++i) {
    if (i > first) text += " ";
    text += std::to_string(values[i]);
  }
  return text;
}

}  // namespace

std::string isoDate(double date) {
  const CivilDate d = civilDate(date);
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d", d.year, d.month, d.day);
  return text;
}

std::vector<std::string> generatorTrace(const TForm1& form) {
  std::vector<std::string> lines = {"trace last=" + joined(form.Generator.last),
                                    "trace secondlast=" + joined(form.Generator.secondLast)};
  for (const auto& accepted : form.Generator.acceptances) {
    lines.push_back("trace accept row=" + std::to_string(accepted.row) + " counter=" +
                    std::to_string(accepted.counter) + " tip=" + joined(accepted.tip));
  }
  return lines;
}

std::vector<std::string> generatorReport(const TForm1& form) {
  std::vector<std::string> lines;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    std::string fields;
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      if (index > 1) fields += " ";
      fields += form.Tips.text(tip, index);
    }
    lines.push_back("row " + std::to_string(tip) + ": " + fields +
                    " | qs=" + form.Tips.row(tip).sumLabel.Caption);
  }
  lines.push_back("status=" + form.StatusBar1.Panels[1]);
  lines.push_back("counter=" + std::to_string(form.Generator.counter));
  lines.push_back("pool=" + joined(form.Generator.pool.entries()));
  lines.push_back("options=CheckBox8=" + std::to_string(form.CheckBox8.Checked ? 1 : 0) +
                  " UpDown4=" + std::to_string(form.UpDown4.Position()) +
                  " UpDown5=" + std::to_string(form.UpDown5.Position()) +
                  " UpDown6=" + std::to_string(form.UpDown6.Position()));
  lines.push_back("zahl=" + joinedFrom(form.Zahl, 1, 8));
  lines.push_back("datum1=" + isoDate(form.Datum1));
  lines.push_back("position=" + std::to_string(form.Position));
  std::string hits;
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    if (tip > 1) hits += "|";
    hits += form.Tips.row(tip).hitLabel.Caption;
  }
  lines.push_back("hits=" + hits);
  lines.push_back("gewinn=" + std::to_string(form.Gewinn) +
                  " zusatz=" + std::to_string(form.Zusatz ? 1 : 0) +
                  " treffer=" + joinedFrom(form.Treffer, 1, 8));
  lines.push_back("label29=" + form.Label29.Caption);
  lines.push_back("aktdatum=" + isoDate(form.aktDatum) +
                  " date1=" + isoDate(form.DateTimePicker1.Date()) +
                  " date2=" + isoDate(form.DateTimePicker2.Date()));
  lines.push_back("pool_count=" + std::to_string(form.Generator.pool.count()) +
                  " statistics_run=" + std::to_string(form.Generator.statisticsRun) +
                  " abandoned=" + std::to_string(form.Generator.abandoned ? 1 : 0));
  return lines;
}

}  // namespace lotto::testing
