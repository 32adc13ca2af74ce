#include "platform/program_folders.h"

#include <pwd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/errors.h"
#include "platform/file_io.h"

#ifndef LOTTO_INSTALLED_FILES
#define LOTTO_INSTALLED_FILES "../share/kalkuat"
#endif

namespace lotto {
namespace {

std::string withSeparator(std::string folder) {
  if (folder.empty() || folder.back() != '/') folder += '/';
  return folder;
}

std::string folderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return "./";
  return path.substr(0, slash + 1);
}

bool writableFolder(const std::string& folder) {
  return ::access(folder.c_str(), W_OK | X_OK) == 0;
}

}  // namespace

std::string userDataFolder(const char* xdgDataHome, const char* home) {
  if (xdgDataHome != nullptr && xdgDataHome[0] == '/') {
    return withSeparator(xdgDataHome) + kUserDataSubfolder;
  }
  std::string base = home != nullptr && home[0] == '/' ? std::string(home) : std::string();
  if (base.empty()) {
    if (const passwd* account = ::getpwuid(::getuid()); account != nullptr && account->pw_dir) {
      base = account->pw_dir;
    }
  }
  if (base.empty()) base = "/tmp";
  return withSeparator(base) + ".local/share/" + kUserDataSubfolder;
}

ProgramFolders programFoldersFor(const std::string& programFile, const std::string& markerFile) {
  ProgramFolders folders;
  const std::string beside = folderOf(programFile);
  const std::string installed = beside + LOTTO_INSTALLED_FILES + "/";
  if (fileExists(installed + markerFile)) {
    std::error_code failed;
    const std::filesystem::path canonical = std::filesystem::canonical(installed, failed);
    folders.program = withSeparator(failed ? installed : canonical.string());
    folders.userData = true;
  } else {
    folders.program = beside;
    folders.userData = !writableFolder(beside);
  }
  folders.data = folders.userData
                     ? userDataFolder(std::getenv("XDG_DATA_HOME"), std::getenv("HOME"))
                     : beside;
  return folders;
}

void prepareDataFolder(const ProgramFolders& folders, const std::string& drawFileName) {
  if (!folders.userData) return;
  std::error_code failed;
  std::filesystem::create_directories(folders.data, failed);
  if (failed) throw InOutError(ioCodeFromErrno(failed.value()), folders.data);

  const std::string target = folders.data + drawFileName;
  const std::string bundled = folders.program + drawFileName;
  if (fileExists(target) || !fileExists(bundled)) return;
  // Written whole under a name of its own, then linked in place: a link never replaces
  // a file that appeared meanwhile.
  const std::string temporary = folders.data + drawFileName + ".neu~";
  replaceFileAtomically(temporary, temporary + "~", readWholeFile(bundled));
  int linked = ::link(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
  if (linked != 0 && linked != EEXIST && !fileExists(target)) {
    // A file system without hard links: renamed, after a last look.
    linked = std::rename(temporary.c_str(), target.c_str()) == 0 ? 0 : errno;
  }
  ::unlink(temporary.c_str());
  if (linked != 0 && linked != EEXIST) throw InOutError(ioCodeFromErrno(linked), target);
}

}  // namespace lotto
