#include "online/click_script.h"

#include <cctype>
#include <cstdio>

#include "output/tip_file.h"
#include "platform/dates.h"
#include "platform/errors.h"
#include "platform/file_io.h"

namespace lotto {
namespace {

void replaceAll(std::string& text, const std::string& placeholder, const std::string& value) {
  std::size_t at = 0;
  while ((at = text.find(placeholder, at)) != std::string::npos) {
    text.replace(at, placeholder.size(), value);
    at += value.size();
  }
}

bool endsWithBks(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  for (char& c : tail) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".bks";
}

std::string fileNameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

const char* yesNo(bool yes) {
  return yes ? "JA" : "NEIN";
}

// A stored value of the automation program's key; a missing one, or one of another kind,
// reads as empty.
std::string readValue(SettingsStore& settings, const std::string& name) {
  try {
    return settings.readString(name).value_or("");
  } catch (const AppError&) {
    return "";
  }
}

}  // namespace

ScriptChooser::ScriptChooser(UserInteraction& ui, HttpClient& http, const std::string& home,
                             const TextField& server)
    : ui_(ui), http_(http), home_(home), server_(server) {}

void ScriptChooser::onShow() {
  const std::string kept = script.text;
  script.items.clear();
  const std::string folder = home_ + kScriptFolder;
  for (const std::string& name : filesInFolder(folder)) {
    if (endsWithBks(name)) script.items.push_back(std::string(folder).append("/").append(name));
  }
  script.text = !kept.empty() ? kept : script.items.empty() ? std::string() : script.items.back();
}

void ScriptChooser::browse() {
  const auto chosen = ui_.openFile({kScriptFilter, "BKS", "", home_ + kScriptFolder});
  if (chosen) script.text = chosen->path;
}

void ScriptChooser::refreshFromServer() {
  const std::string& path = script.text;
  try {
    if (!fileExists(path)) return;
    http_.setProxy("", 0);  // the script server is asked without the proxy
    const HttpReply reply = http_.fetch(scriptUrl(server_.text, fileNameOf(path)));
    if (reply.code != 200) return;
    const auto serverTime = parseHttpDate(reply.lastModified);
    if (!serverTime || *serverTime <= fileModificationTime(path)) return;
    replaceFileAtomically(path, path + "~", reply.bytes);
  } catch (const AppError&) {
    // No connection, an unwritable file: the local script is used as it is.
  }
}

void ScriptChooser::onClose() {
  if (zahl1.text.empty()) zahl1.text = "0";
  if (zahl2.text.empty()) zahl2.text = "0";
}

std::string fillClickScript(std::string script, const TipGrid& tips, const std::string& tipFile,
                            const SlipSettingsDialog& slip) {
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      replaceAll(script, "[Z" + std::to_string(index) + "_" + std::to_string(tip) + "]",
                 tips.text(tip, index));
    }
  }
  const bool sunday = slip.sunday.checked;
  const bool wednesday = slip.wednesday.checked;
  replaceAll(script, "[TIPPDATEI]", tipFile);
  replaceAll(script, "[MELDUNGFERTIG]",
             "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!");
  replaceAll(script, "[MI]", yesNo(wednesday));
  replaceAll(script, "[SA]", yesNo(sunday));
  replaceAll(script, "[MISA]", yesNo(sunday && wednesday));
  replaceAll(script, "[GLUECK]", yesNo(slip.joker3.checked));
  replaceAll(script, "[SPIEL77]", yesNo(slip.joker1.checked));
  replaceAll(script, "[SUPER6]", yesNo(slip.joker2.checked));
  return script;
}

std::string scriptUrl(const std::string& server, const std::string& fileName) {
  std::string encoded;
  for (const char c : fileName) {
    const auto byte = static_cast<unsigned char>(c);
    if (std::isalnum(byte) || c == '-' || c == '.' || c == '_' || c == '~') {
      encoded += c;
    } else {
      char escape[4];
      std::snprintf(escape, sizeof escape, "%%%02X", byte);
      encoded += escape;
    }
  }
  return serverBaseAddress(server) + "/scripts/" + encoded + ".txt";
}

void runClickScript(const ClickScriptParts& parts) {
  parts.tips.requireNoRepeatedNumbers("übergeben");
  const std::string tipFile = parts.saveTips();

  SettingsStore& settings = parts.settings;
  settings.openKey(kAutomationKey);
  const std::string folder = readValue(settings, "Path");
  ScriptChooser& chooser = parts.chooser;
  const std::string storedScript = readValue(settings, "KalkuATScript");
  const std::pair<TextField*, const char*> parameters[] = {{&chooser.zahl1, "KalkuATZahl1"},
                                                           {&chooser.login, "KalkuATText1"},
                                                           {&chooser.zahl2, "KalkuATZahl2"},
                                                           {&chooser.password, "KalkuATText2"}};
  for (const auto& [edit, name] : parameters) edit->text = readValue(settings, name);
  settings.closeKey();

  // The automation program: a regular executable file in an absolute folder, never looked
  // for on the search path.
  const std::string program = folder + "/" + kAutomationProgram;
  if (folder.empty() || folder.front() != '/' || !isExecutableFile(program)) {
    if (parts.ui.askYesNo("Netzlauf fehlt",
                          "Das Programm Netzlauf wurde nicht gefunden. Möchten Sie die "
                          "Installationshinweise öffnen?")) {
      parts.shell.openDocument(parts.programFolder + kAutomationNotes);
    }
    return;
  }

  chooser.script.text = storedScript;
  chooser.onShow();
  const ModalResult result = parts.ui.showModal(chooser);
  chooser.onClose();
  if (result != ModalResult::Ok) return;
  chooser.refreshFromServer();

  settings.openKey(kAutomationKey);
  settings.writeString("KalkuATScript", chooser.script.text);
  for (const auto& [edit, name] : parameters) settings.writeString(name, edit->text);
  settings.closeKey();

  const std::string filled =
      fillClickScript(readWholeFile(chooser.script.text), parts.tips, tipFile, parts.slip);
  const std::string tips = parts.home + kTipFolder;
  createFolderIfMissing(tips);
  const std::string target = tips + "/" + compactDate(parts.clock.today()) + ".bks";
  replaceFileAtomically(target, target + "~", filled);

  const auto orDefault = [](const std::string& text, const char* empty) {
    return text.empty() ? std::string(empty) : text;
  };
  parts.shell.startProgram(
      program,
      {"START", target, orDefault(chooser.zahl1.text, "0"), orDefault(chooser.login.text, " "),
       orDefault(chooser.zahl2.text, "0"), orDefault(chooser.password.text, " ")});
}

}  // namespace lotto
