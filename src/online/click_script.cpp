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

TBKSForm::TBKSForm(UserInteraction& ui, HttpClient& http, const std::string& home,
                   const TEdit& server)
    : ui_(ui), http_(http), home_(home), server_(server) {}

void TBKSForm::FormShow() {
  const std::string kept = LabeledEdit1.Text;
  LabeledEdit1.Items.clear();
  const std::string folder = home_ + kScriptFolder;
  for (const std::string& name : filesInFolder(folder)) {
    if (endsWithBks(name)) LabeledEdit1.Items.push_back(folder + "/" + name);
  }
  LabeledEdit1.Text = !kept.empty()                ? kept
                      : LabeledEdit1.Items.empty() ? std::string()
                                                   : LabeledEdit1.Items.back();
}

void TBKSForm::BitBtn1Click() {
  const auto chosen = ui_.openFile({kScriptFilter, "BKS", "", home_ + kScriptFolder});
  if (chosen) LabeledEdit1.Text = chosen->path;
}

void TBKSForm::refreshFromServer() {
  const std::string& path = LabeledEdit1.Text;
  try {
    if (!fileExists(path)) return;
    http_.setProxy("", 0);  // the script server is asked without the proxy
    const HttpReply reply = http_.fetch(scriptUrl(server_.Text, fileNameOf(path)));
    if (reply.code != 200) return;
    const auto serverTime = parseHttpDate(reply.lastModified);
    if (!serverTime || *serverTime <= fileModificationTime(path)) return;
    replaceFileAtomically(path, path + "~", reply.bytes);
  } catch (const AppError&) {
    // No connection, an unwritable file: the local script is used as it is.
  }
}

void TBKSForm::FormClose() {
  if (LabeledEdit2.Text.empty()) LabeledEdit2.Text = "0";
  if (LabeledEdit3.Text.empty()) LabeledEdit3.Text = "0";
}

std::string fillClickScript(std::string script, const TipGrid& tips, const std::string& tipFile,
                            const TForm5& slip) {
  for (int tip = 1; tip <= TipGrid::kTips; ++tip) {
    for (int index = 1; index <= TipGrid::kNumbers; ++index) {
      replaceAll(script, "[Z" + std::to_string(index) + "_" + std::to_string(tip) + "]",
                 tips.text(tip, index));
    }
  }
  const bool sunday = slip.CheckBox1.Checked;
  const bool wednesday = slip.CheckBox2.Checked;
  replaceAll(script, "[TIPPDATEI]", tipFile);
  replaceAll(script, "[MELDUNGFERTIG]",
             "Bitte überprüfen Sie jetzt den Tipp und dann können Sie ihn abgeben!");
  replaceAll(script, "[MI]", yesNo(wednesday));
  replaceAll(script, "[SA]", yesNo(sunday));
  replaceAll(script, "[MISA]", yesNo(sunday && wednesday));
  replaceAll(script, "[GLUECK]", yesNo(slip.CheckBox6.Checked));
  replaceAll(script, "[SPIEL77]", yesNo(slip.CheckBox3.Checked));
  replaceAll(script, "[SUPER6]", yesNo(slip.CheckBox4.Checked));
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
  const std::string tipFile = parts.saveTips();

  SettingsStore& settings = parts.settings;
  settings.openKey(kAutomationKey);
  const std::string folder = readValue(settings, "Path");
  TBKSForm& chooser = parts.chooser;
  const std::string storedScript = readValue(settings, "KalkuATScript");
  const std::pair<TEdit*, const char*> parameters[] = {{&chooser.LabeledEdit2, "KalkuATZahl1"},
                                                       {&chooser.LabeledEdit4, "KalkuATText1"},
                                                       {&chooser.LabeledEdit3, "KalkuATZahl2"},
                                                       {&chooser.LabeledEdit5, "KalkuATText2"}};
  for (const auto& [edit, name] : parameters) edit->Text = readValue(settings, name);
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

  chooser.LabeledEdit1.Text = storedScript;
  chooser.FormShow();
  const ModalResult result = parts.ui.showModal(chooser);
  chooser.FormClose();
  if (result != ModalResult::Ok) return;
  chooser.refreshFromServer();

  settings.openKey(kAutomationKey);
  settings.writeString("KalkuATScript", chooser.LabeledEdit1.Text);
  for (const auto& [edit, name] : parameters) settings.writeString(name, edit->Text);
  settings.closeKey();

  const std::string filled =
      fillClickScript(readWholeFile(chooser.LabeledEdit1.Text), parts.tips, tipFile, parts.slip);
  const std::string tips = parts.home + kTipFolder;
  createFolderIfMissing(tips);
  const std::string target = tips + "/" + compactDate(parts.clock.today()) + ".bks";
  replaceFileAtomically(target, target + "~", filled);

  const auto orDefault = [](const std::string& text, const char* empty) {
    return text.empty() ? std::string(empty) : text;
  };
  parts.shell.startProgram(program, {"START", target, orDefault(chooser.LabeledEdit2.Text, "0"),
                                     orDefault(chooser.LabeledEdit4.Text, " "),
                                     orDefault(chooser.LabeledEdit3.Text, "0"),
                                     orDefault(chooser.LabeledEdit5.Text, " ")});
}

}  // namespace lotto
