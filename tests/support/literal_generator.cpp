#include "support/literal_generator.h"

#include <algorithm>

#include "draws/draw_file.h"

namespace lotto::testing {
namespace {

using Numbers = std::array<std::int32_t, 7>;

Numbers seven(const DrawNumbers& Zahl) {
  return {Zahl[1], Zahl[2], Zahl[3], Zahl[4], Zahl[5], Zahl[6], Zahl[7]};
}

bool secheroderfuenfer(TForm1& form, const Tip& tip) {
  const int n = form.UpDown6.Position();
  const DrawHistory history = readDrawHistory(form.drawFilePath());
  form.aktDatum = form.DateTimePicker2.Date();
  form.Chart1.beginStatistic();
  const std::array<std::string, 6> texts = {std::to_string(tip[0]), std::to_string(tip[1]),
                                            std::to_string(tip[2]), std::to_string(tip[3]),
                                            std::to_string(tip[4]), std::to_string(tip[5])};
  for (const DrawRecord& record : history.records) {
    if (!(record.date >= form.aktDatum)) continue;
    form.Datum1 = record.date;
    form.Zahl = drawNumbersOf(record);
    form.Zettelcheck({texts[0], texts[1], texts[2], texts[3], texts[4], texts[5]});
    if (form.Gewinn >= n) return false;
  }
  history.throwIfCut();  // reading on meets the partial record
  return true;
}

}  // namespace

void literalLabel28Click(TForm1& form, UserInteraction& ui) {
  GeneratorState& state = form.Generator;
  state = GeneratorState{};
  form.sortieren = false;
  const bool saved8 = form.CheckBox8.Checked;
  const int saved4 = form.UpDown4.Position();
  const int saved5 = form.UpDown5.Position();
  const int saved6 = form.UpDown6.Position();
  const auto putBack = [&] {
    form.CheckBox8.Checked = saved8;
    form.UpDown4.setPosition(saved4);
    form.UpDown5.setPosition(saved5);
    form.UpDown6.setPosition(saved6);
  };
  try {
    form.SpeedButton5Click();
    state.last = seven(form.Zahl);
    form.SpeedButton6Click();
    state.secondLast = seven(form.Zahl);
    form.SpeedButton7Click();
    form.SpeedButton11Click();

    const PoolBuild build =
        buildCandidatePool({.options = form,
                            .chart = form.Chart1,
                            .status = form.StatusBar1.Panels[1],
                            .activePage = form.ActivePage,
                            .dialog = form.Form7,
                            .ui = ui,
                            .overdueNumbers = [&form] { form.Button5Click(); },
                            .pairs = [&form] { form.Button2Click(); },
                            .triples = [&form] { form.Button3Click(); },
                            .quadruples = [&form] { form.Button4Click(); },
                            .numberFrequency = [&form] { form.SpeedButton2Click(); }},
                           state.last, state.secondLast, state.pool);
    state.statisticsRun = build.statisticsRun;
    if (build.abandoned) {
      state.abandoned = true;
      form.sortieren = true;
      return;
    }
    form.StatusBar1.Panels[1] = "Beginn der Tippberechnung";
    form.Berechnunglaeuft = true;
    std::int32_t& counter = state.counter;
    const std::int32_t budget = form.LaufMax;

    for (int row = 1; row <= 12; ++row) {
      Tip candidate{};
      int fill = 1;
      state.accepted[static_cast<std::size_t>(row - 1)] = {};
      if ((row >= 2 && counter >= budget) || (row >= 2 && row > form.UpDown8.Position()) ||
          !form.Tips.text(row, 1).empty()) {
        continue;
      }
      while (fill < 7 && counter < budget) {
        if (state.pool.count() == 0) {
          counter = budget;
          break;
        }
        counter = counter + 1;
        if (2 * static_cast<std::int64_t>(counter) == budget) form.CheckBox8.Checked = false;
        if (row >= 3 && counter == budget - 20000) form.UpDown6.setPosition(6);
        if (row >= 3 && counter == budget - 10000) {
          form.UpDown5.setPosition(2);
          if (row != 8) form.UpDown4.setPosition(1);
        }
        if (row >= 3 && counter == budget - 5000) {
          if (row != 8) form.UpDown5.setPosition(3);
          form.UpDown4.setPosition(2);
        }
        const std::int32_t position = form.Zufallsgenerator.Random(state.pool.count());
        candidate[static_cast<std::size_t>(fill - 1)] = state.pool.at(position);
        bool again = false;
        for (int k = 1; k < fill; ++k) {
          if (candidate[static_cast<std::size_t>(k - 1)] ==
              candidate[static_cast<std::size_t>(fill - 1)]) {
            again = true;
          }
        }
        if (again) {
          candidate[static_cast<std::size_t>(fill - 1)] = 0;
        } else {
          fill = fill + 1;
        }
        if (fill != 7) continue;

        // The chain of tests.
        std::sort(candidate.begin(), candidate.end());
        int q = 0;
        for (const std::int32_t c : candidate) q += c;
        form.StatusBar1.Panels[1] = progressText(row, candidate, q);
        ui.redraw();
        bool rejected = false;
        if (row >= 2) {
          int most = 0;
          for (int earlier = 1; earlier < row; ++earlier) {
            most = std::max(
                most,
                sharedNumbers(candidate, state.accepted[static_cast<std::size_t>(earlier - 1)]));
          }
          rejected = (form.CheckBox3.Checked && most > form.UpDown3.Position()) || most == 6;
        }
        bool pair = false;
        bool run = false;
        for (std::size_t i = 0; i + 1 < 6; ++i) pair = pair || candidate[i] + 1 == candidate[i + 1];
        for (std::size_t i = 0; i + 2 < 6; ++i) {
          run = run ||
                (candidate[i] + 1 == candidate[i + 1] && candidate[i + 1] + 1 == candidate[i + 2]);
        }
        if (!rejected && form.CheckBox8.Checked && !pair) rejected = true;
        if (!rejected && form.CheckBox18.Checked && run) rejected = true;
        if (!rejected && (q < form.UpDown1.Position() || q > form.UpDown2.Position()))
          rejected = true;
        if (!rejected) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.last) equal += c == d ? 1 : 0;
          }
          form.Gewinn = static_cast<std::uint8_t>(equal);
          if (form.Gewinn > form.UpDown4.Position() && form.CheckBox4.Checked) rejected = true;
        }
        if (rejected) {
          candidate = {};
          fill = 1;
          continue;
        }
        if (form.CheckBox5.Checked) {
          int equal = 0;
          for (const std::int32_t c : candidate) {
            for (const std::int32_t d : state.secondLast) equal += c == d ? 1 : 0;
          }
          form.Gewinn = static_cast<std::uint8_t>(equal + (form.Zusatz ? 1 : 0));
          if (form.Gewinn > form.UpDown5.Position()) {
            candidate = {};
            fill = 1;
          }
        }
        if (form.CheckBox9.Checked && !secheroderfuenfer(form, candidate)) {
          candidate = {};
          fill = 1;
        }
        if (fill == 7) state.acceptances.push_back({row, counter, candidate});
      }
      if (counter >= budget) candidate = {};
      std::sort(candidate.begin(), candidate.end());
      int q = 0;
      for (const std::int32_t c : candidate) q += c;
      form.Tips.row(row).sumLabel.Caption = std::to_string(q);
      if (row == 1) form.ActivePage = MainPage::Lottotipp;
      for (int index = 1; index <= 6; ++index) {
        form.TipFieldChange(row, index,
                            std::to_string(candidate[static_cast<std::size_t>(index - 1)]));
      }
      ui.redraw();
      state.accepted[static_cast<std::size_t>(row - 1)] = candidate;
    }
  } catch (...) {
    form.sortieren = true;
    putBack();
    form.Berechnunglaeuft = false;
    throw;
  }
  form.sortieren = true;
  form.StatusBar1.Panels[1] = state.counter >= form.LaufMax
                                  ? "Ändern Sie die Parameter um 12 Tipps zuberechnen"
                                  : "Tipps wurden neu berechnet";
  putBack();
  form.Berechnunglaeuft = false;
  form.SpeedButton5Click();
  form.Komplettcheck();
}

}  // namespace lotto::testing
