#include "platform/file_io.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>

#include "platform/errors.h"

namespace lotto {
namespace {

[[noreturn]] void fail(const std::string& path, int err) {
  throw InOutError(ioCodeFromErrno(err), path);
}

// Closes the descriptor when the scope ends, unless it was closed explicitly.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  int get() const { return fd_; }
  // Returns 0 or the errno of a failed close (which can report a lost write).
  int close() {
    const int result = ::close(fd_);
    fd_ = -1;
    return result == 0 ? 0 : errno;
  }

 private:
  int fd_;
};

int openOrFail(const std::string& path, int flags, mode_t mode = 0) {
  int fd;
  do {
    fd = ::open(path.c_str(), flags | O_CLOEXEC, mode);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) fail(path, errno);
  return fd;
}

// Writes all bytes; returns 0 or the errno of the failure.
int writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return errno;
    }
    if (n == 0) return EIO;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return 0;
}

}  // namespace

bool fileExists(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::uint64_t fileSize(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) fail(path, errno);
  if (!S_ISREG(st.st_mode)) fail(path, EACCES);
  return static_cast<std::uint64_t>(st.st_size);
}

std::int64_t fileModificationTime(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) fail(path, errno);
  return static_cast<std::int64_t>(st.st_mtime);
}

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

std::vector<std::string> filesInFolder(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    const std::string path = std::string(folder).append("/").append(name);
    if (::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode)) {
      names.push_back(name);
    }
  }
  ::closedir(dir);
  std::sort(names.begin(), names.end());
  return names;
}

std::string readWholeFile(const std::string& path) {
  FileDescriptor fd(openOrFail(path, O_RDONLY));
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) fail(path, errno);
  if (!S_ISREG(st.st_mode)) fail(path, EACCES);
  std::string content(static_cast<std::size_t>(st.st_size), '\0');
  std::size_t done = 0;
  // One read normally takes it all; the loop only covers short reads.
  while (done < content.size()) {
    const ssize_t n = ::read(fd.get(), content.data() + done, content.size() - done);
    if (n < 0) {
      if (errno == EINTR) continue;
      fail(path, errno);
    }
    if (n == 0) break;  // the file shrank meanwhile
    done += static_cast<std::size_t>(n);
  }
  content.resize(done);
  return content;
}

void appendToFile(const std::string& path, std::string_view bytes) {
  FileDescriptor fd(openOrFail(path, O_WRONLY | O_APPEND));
  struct stat st {};
  if (::fstat(fd.get(), &st) != 0) fail(path, errno);
  int err = writeAll(fd.get(), bytes);
  if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
  if (err != 0) {
    // A part of the bytes must not stay behind (a draw file would be cut in a record).
    if (::ftruncate(fd.get(), st.st_size) == 0) ::fsync(fd.get());
    fail(path, err);
  }
  if (const int closeErr = fd.close()) fail(path, closeErr);
}

void createFolderIfMissing(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) == 0) return;
  if (errno == EEXIST) {
    struct stat st {};
    if (::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode)) return;
  }
  fail(path, errno);
}

void createFileIfMissing(const std::string& path) {
  FileDescriptor fd(openOrFail(path, O_WRONLY | O_CREAT, 0644));
  if (const int err = fd.close()) fail(path, err);
}

void replaceFileAtomically(const std::string& path, const std::string& tempPath,
                           std::string_view bytes) {
  int err = 0;
  {
    FileDescriptor fd(openOrFail(tempPath, O_WRONLY | O_CREAT | O_TRUNC, 0644));
    err = writeAll(fd.get(), bytes);
    if (err == 0 && ::fsync(fd.get()) != 0) err = errno;
    if (err == 0) err = fd.close();
  }
  if (err == 0 && std::rename(tempPath.c_str(), path.c_str()) != 0) {
    err = errno;
    ::unlink(tempPath.c_str());
    fail(path, err);
  }
  if (err != 0) {
    ::unlink(tempPath.c_str());
    fail(tempPath, err);
  }
}

}  // namespace lotto
