#pragma once
// Bringing the draw history up to date from the draw server: one request per draw day
// after the newest stored draw, each draw appended as soon as it is read.

#include <string>
#include <string_view>
#include <vector>

#include "controls/controls.h"
#include "draws/draw_on_show.h"
#include "platform/clock.h"
#include "platform/http_client.h"
#include "platform/user_interaction.h"

namespace lotto {

// The address of the draw service for a date: the server's address (a missing "http://"
// added, a final "/" dropped), "/zahlen/lotto_neu.asp?Datum=" with the date as YYYYMMDD,
// and "&Programm=KalkuAT".
std::string drawRequestUrl(const std::string& server, double date);

// What the body of a reply holds: a first field, the six numbers and the Zusatzzahl, each
// followed by a comma; what follows the Zusatzzahl's comma is ignored.
struct DrawReply {
  // The numbers read, in order, up to the first field that is not one (at most seven).
  std::vector<int> numbers;
  // All seven were read, each a whole number from 1 to 45, six different ones and a
  // Zusatzzahl not among them: the server is not trusted blindly.
  bool holdsDraw = false;
  // Without a draw, the text from where the reading stopped: the whole body when it
  // holds no comma at all.
  std::string rest;
};
DrawReply parseDrawReply(std::string_view body);

// The update run's own state.
struct DrawDownload {
  bool running = false;
};

// The parts of the main window the update run works on.
struct DownloadParts {
  std::string drawFile;
  const TextField& server;     // ServerEdit
  const TextField& proxyHost;  // ProxyHostEdit
  const TextField& proxyPort;  // ProxyPortEdit
  DrawOnShow& show;            // chosenDate holds the date asked for, shownDrawText grows
  double& workingDate;         // the date of the newest stored draw
  Button& updateButton;        // "Datenbank aktualisieren"
  Button& downloadButton;      // the download button of the draw bar
  Button& stopButton;          // the stop button: the run goes on while it is shown
  std::string& status;         // panel 0 of the status bar
  ProgressBar& progress;       // the draw days asked of those up to today
  DrawDownload& run;
  UserInteraction& ui;
  HttpClient& http;
  Clock& clock;
};

// One reply with the status "OK", read into `record` (its date becomes the date asked
// for; its spare byte stays): the numbers read are added to the draw text, and a whole
// draw gets its Quersumme shown and is appended when it is newer than workingDate. False
// when the reply holds no draw, after showing a "Mitteilung" in it.
bool readDrawReply(const DownloadParts& parts, const std::string& body, DrawRecord& record);

// The update run up to the point where the caller checks the tips for the date in
// chosenDate: it ends at the first draw day after today, by the stop button, at a
// reply without a draw (showing a "Mitteilung" it holds) or at a failed request (shown as
// an error). However it ends, the buttons are usable again, the stop button hidden and
// the draw bar shows the draw text; the draw file holds every draw read before.
void downloadDraws(const DownloadParts& parts);

}  // namespace lotto
