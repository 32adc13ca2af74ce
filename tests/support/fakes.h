#pragma once
// Small fakes of the platform interfaces that record what the program asked of them.

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "platform/services.h"

namespace lotto::testing {

class FakeUserInteraction : public UserInteraction {
 public:
  void showMessage(const std::string& text) override { messages.push_back(text); }
  void showError(const std::string& text) override { errors.push_back(text); }
  // Questions are answered from `answers` in turn, "no" when none is left.
  bool askYesNo(const std::string& caption, const std::string& text) override {
    questions.push_back(caption + ": " + text);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.erase(answers.begin());
    return answer;
  }
  // Input boxes are answered from `inputs` in turn; with none left the user cancels, which
  // returns the preset.
  std::string inputText(const std::string& caption, const std::string& prompt,
                        const std::string& preset) override {
    inputBoxes.push_back(caption + ": " + prompt + " [" + preset + "]");
    if (inputs.empty()) return preset;
    const std::string answer = inputs.front();
    inputs.erase(inputs.begin());
    return answer;
  }
  // File dialogs are answered from `files` in turn; with none left the user cancels.
  std::optional<ChosenFile> openFile(const FileDialogSpec& spec) override {
    return chooseFile(spec);
  }
  std::optional<ChosenFile> saveFile(const FileDialogSpec& spec) override {
    return chooseFile(spec);
  }
  void setBusy(bool busy) override { busyDepth += busy ? 1 : -1; }
  void redraw() override {
    ++redraws;
    if (onRedraw) onRedraw();
  }
  bool redrawDue() override { return picturesDue; }
  // A modal dialog is handed to `onModal`, which plays the user's part; without one the
  // dialog is cancelled.
  ModalResult showModal(ModalDialog& dialog) override {
    ++modals;
    return onModal ? onModal(dialog) : ModalResult::Cancel;
  }

  std::vector<std::string> messages;
  std::vector<std::string> errors;
  std::vector<std::string> questions;
  std::vector<bool> answers;
  std::vector<std::string> inputBoxes;
  std::vector<std::string> inputs;
  std::vector<FileDialogSpec> fileDialogs;
  std::vector<std::optional<ChosenFile>> files;
  bool picturesDue = true;
  int busyDepth = 0;
  int redraws = 0;
  int modals = 0;
  std::function<ModalResult(ModalDialog&)> onModal;
  // Sees the windows as each redraw would show them.
  std::function<void()> onRedraw;

 private:
  std::optional<ChosenFile> chooseFile(const FileDialogSpec& spec) {
    fileDialogs.push_back(spec);
    if (files.empty()) return std::nullopt;
    const auto chosen = files.front();
    files.erase(files.begin());
    return chosen;
  }
};

class FakeSoundPlayer : public SoundPlayer {
 public:
  void play(const std::string& path) override { played.push_back(path); }
  std::vector<std::string> played;
};

class FakeShell : public Shell {
 public:
  void openDocument(const std::string& pathOrAddress) override { opened.push_back(pathOrAddress); }
  bool startProgram(const std::string& program,
                    const std::vector<std::string>& arguments) override {
    started.push_back(program);
    startedWith.push_back(arguments);
    return true;
  }
  std::vector<std::string> opened;
  std::vector<std::string> started;
  std::vector<std::vector<std::string>> startedWith;
};

class FakeClock : public Clock {
 public:
  double today() override { return todayValue; }
  std::uint32_t highResolutionCounter() override { return counterValue; }
  double todayValue = 0;
  std::uint32_t counterValue = 12345;
};

// An HTTP client that records every request and answers from `server`. The server at
// first knows no draw after the history (every reply holds none); without a server every
// request fails as without a connection.
class FakeHttpClient : public HttpClient {
 public:
  struct Request {
    std::string url;
    std::string proxyHost;
    int proxyPort = 0;
  };

  void setProxy(const std::string& host, int port) override {
    proxyHost_ = host;
    proxyPort_ = port;
  }
  HttpReply fetch(const std::string& url) override {
    requests.push_back({url, proxyHost_, proxyPort_});
    if (!server) throw HttpError("Keine Verbindung zum Server");
    HttpReply reply = server(url);
    if (reply.bytes.empty()) reply.bytes = reply.body;
    return reply;
  }

  static HttpReply ok(std::string body) {
    return {"HTTP/1.1 200 OK", 200, std::move(body), "", ""};
  }
  static HttpReply status(int code, std::string statusLine, std::string body,
                          std::string lastModified = "") {
    return {std::move(statusLine), code, std::move(body), std::move(lastModified), ""};
  }

  std::function<HttpReply(const std::string& url)> server = [](const std::string&) {
    return ok("Keine neue Ziehung");
  };
  std::vector<Request> requests;

 private:
  std::string proxyHost_;
  int proxyPort_ = 0;
};

// The print preview: keeps every page it was asked to show.
class FakeReportPreview : public ReportPreview {
 public:
  void preview(const ReportPage& page) override { pages.push_back(page); }
  std::vector<ReportPage> pages;
};

// A settings key in memory, with the kind of every value.
class FakeSettingsStore : public SettingsStore {
 public:
  using Value = std::variant<std::int32_t, std::string, std::vector<std::uint8_t>>;

  void openKey(const std::string& path) override { openedKeys.push_back(path); }
  void closeKey() override { ++closes; }
  std::optional<std::int32_t> readInteger(const std::string& name) override {
    return read<std::int32_t>(name);
  }
  std::optional<std::string> readString(const std::string& name) override {
    return read<std::string>(name);
  }
  std::optional<std::vector<std::uint8_t>> readBinary(const std::string& name) override {
    return read<std::vector<std::uint8_t>>(name);
  }
  void writeInteger(const std::string& name, std::int32_t value) override { write(name, value); }
  void writeString(const std::string& name, const std::string& value) override {
    write(name, value);
  }
  void writeBinary(const std::string& name, const std::vector<std::uint8_t>& value) override {
    write(name, value);
  }

  std::map<std::string, Value> values;
  std::vector<std::string> openedKeys;
  int closes = 0;
  // When not negative: the number of writes that succeed before every further one fails.
  int writesBeforeFailure = -1;

 private:
  template <typename T>
  std::optional<T> read(const std::string& name) {
    const auto found = values.find(name);
    if (found == values.end()) return std::nullopt;
    if (const T* value = std::get_if<T>(&found->second)) return *value;
    throw SettingsKindError(name);
  }
  void write(const std::string& name, Value value) {
    if (writesBeforeFailure == 0) throw AppError("Schreibfehler");
    if (writesBeforeFailure > 0) --writesBeforeFailure;
    values[name] = std::move(value);
  }
};

// All fakes together, ready to hand to a window. A test of the Qt front end puts a real
// implementation in place of a fake before it makes the window.
struct FakeServices {
  FakeUserInteraction ui;
  FakeSoundPlayer sound;
  FakeShell shell;
  FakeClock clock;
  FakeSettingsStore settings;
  FakeHttpClient http;
  FakeReportPreview report;

  UserInteraction* uiInUse = &ui;
  Shell* shellInUse = &shell;
  SettingsStore* settingsInUse = &settings;
  HttpClient* httpInUse = &http;
  ReportPreview* reportInUse = &report;

  Services services() {
    return Services{.ui = *uiInUse,
                    .sound = sound,
                    .shell = *shellInUse,
                    .clock = clock,
                    .settings = *settingsInUse,
                    .http = *httpInUse,
                    .report = *reportInUse};
  }
};

}  // namespace lotto::testing
