#include "draws/download.h"

#include <cmath>

#include "draws/draw_days.h"
#include "draws/draw_display.h"
#include "draws/draw_file.h"
#include "platform/convert.h"
#include "platform/dates.h"
#include "platform/file_io.h"
#include "platform/german.h"

namespace lotto {
namespace {

bool contains(std::string_view text, std::string_view part) {
  return text.find(part) != std::string_view::npos;
}

// However the run ends: the buttons back, the stop button hidden, the draw bar showing
// what the "Datenbank" tab shows.
class RunEnd {
 public:
  explicit RunEnd(const DownloadParts& parts) : parts_(parts) {}
  RunEnd(const RunEnd&) = delete;
  RunEnd& operator=(const RunEnd&) = delete;
  ~RunEnd() {
    parts_.updateButton.enabled = true;
    parts_.downloadButton.enabled = true;
    parts_.stopButton.visible = false;
    parts_.run.running = false;
    parts_.show.drawBarText.caption = parts_.show.shownDrawText.caption;
  }

 private:
  const DownloadParts& parts_;
};

}  // namespace

std::string drawRequestUrl(const std::string& server, double date) {
  return serverBaseAddress(server) + "/zahlen/lotto_neu.asp?Datum=" + compactDate(date) +
         "&Programm=KalkuAT";
}

DrawReply parseDrawReply(std::string_view body) {
  DrawReply reply;
  const std::size_t first = body.find(',');
  if (first == std::string_view::npos) {
    reply.rest = std::string(body);
    return reply;
  }
  std::string_view rest = body.substr(first + 1);
  while (reply.numbers.size() < 7) {
    const std::size_t comma = rest.find(',');
    const auto number =
        comma == std::string_view::npos ? std::nullopt : tryToInteger(rest.substr(0, comma));
    if (!number || *number < 1 || *number > 45) {
      reply.rest = std::string(rest);
      return reply;
    }
    reply.numbers.push_back(*number);
    rest.remove_prefix(comma + 1);
  }
  // Seven numbers 1..45 are a draw only when they can be one: six different ones and a
  // Zusatzzahl not among them.
  DrawNumbers numbers{};
  for (std::size_t i = 0; i < 7; ++i) numbers[i + 1] = reply.numbers[i];
  reply.holdsDraw = !drawProblem(numbers);
  return reply;
}

bool readDrawReply(const DownloadParts& parts, const std::string& body, DrawRecord& record) {
  record.date = parts.show.chosenDate.date();
  const DrawReply reply = parseDrawReply(body);
  std::string& text = parts.show.shownDrawText.caption;
  for (std::size_t i = 0; i < reply.numbers.size(); ++i) {
    record.bytes[i] = static_cast<std::uint8_t>(reply.numbers[i]);
    text += (i < 6 ? "  " : " Z:") + std::to_string(reply.numbers[i]);
  }
  if (!reply.holdsDraw) {
    // Seven numbers that are no possible draw are shown as such and not stored.
    if (reply.numbers.size() == 7) text += kInvalidDrawMark;
    // This is how the server passes notices to the user.
    if (contains(reply.rest, "Mitteilung")) parts.ui.showMessage(reply.rest);
    return false;
  }
  parts.show.drawBarQuersumme.caption = quersummeText(drawNumbersOf(record));
  if (roundToDay(parts.workingDate) < roundToDay(record.date)) {
    appendDrawRecord(parts.drawFile, record);
    parts.workingDate = record.date;
  }
  return true;
}

void downloadDraws(const DownloadParts& parts) {
  DateField& asked = parts.show.chosenDate;
  parts.updateButton.enabled = false;
  parts.downloadButton.enabled = false;
  parts.stopButton.visible = true;
  parts.run.running = true;
  const RunEnd end(parts);
  parts.ui.redraw();

  if (!fileExists(parts.drawFile)) createEmptyDrawFile(parts.drawFile);
  // Appending to a cut file would put every new record out of step: it is refused here.
  const std::vector<DrawRecord> records = readDrawFile(parts.drawFile);
  // The last record: its date is where the run starts, its spare byte goes to every
  // draw read. The first draw of an empty file gets 1, as the bundled history has.
  DrawRecord record;
  record.bytes[7] = 1;
  if (!records.empty()) {
    record = records.back();
    requireShowableDate(record, records.size() - 1);
  }
  if (record.date > 0) asked.setDate(record.date);
  parts.workingDate = roundToDay(asked.date());
  if (!records.empty() && roundToDay(record.date) > roundToDay(parts.clock.today())) {
    // Nothing can be asked for: the history ends after today.
    parts.status = "Nichts zu aktualisieren";
    parts.ui.showMessage("Die neueste gespeicherte Ziehung (" + formatDrawDate(record.date) +
                         ") liegt nach dem heutigen Tag (" + formatShortDate(parts.clock.today()) +
                         "): Es gibt nichts zu aktualisieren. Stimmt das Datum des Computers, "
                         "oder wurde die Ziehung falsch eingegeben?");
    return;
  }
  asked.setDate(nextDrawDay(asked.date()));

  std::int64_t days = 0;
  for (double day = asked.date(); day <= parts.clock.today(); day = nextDrawDay(day)) ++days;
  ShownProgress progress(parts.progress, days);
  std::int64_t daysAsked = 0;
  while (asked.date() <= parts.clock.today() && parts.stopButton.visible) {
    HttpReply reply;
    try {
      parts.http.setProxy(parts.proxyHost.text, toInteger(parts.proxyPort.text));
      parts.status = "Loading";
      parts.ui.redraw();
      reply = parts.http.get(drawRequestUrl(parts.server.text, asked.date()));
      parts.status = "Fertig";
    } catch (const AppError& failure) {
      // A failed request, or a proxy port that is no number, ends the run.
      parts.ui.showError(failure.what());
      break;
    }
    // A success whose status line lacks "OK" says that the day had no draw.
    progress.set(++daysAsked);
    if (contains(reply.statusLine, "OK") && !readDrawReply(parts, reply.body, record)) break;
    asked.setDate(nextDrawDay(asked.date()));
    parts.ui.redraw();
  }
}

}  // namespace lotto
