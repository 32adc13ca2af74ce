#pragma once
// Failures of file, conversion and network operations travel as exceptions that carry
// the German text the user sees; the front end shows what escapes a command in an
// error box.

#include <stdexcept>
#include <string>

namespace lotto {

class AppError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// An input/output failure, numbered like the classic file error codes
// (2 file not found, 5 access denied, 100 read past the end, ...).
class InOutError : public AppError {
 public:
  InOutError(int code, const std::string& path);
  int code() const { return code_; }

 private:
  int code_;
};

// A text that is not a whole number where one is required.
class ConversionError : public AppError {
 public:
  explicit ConversionError(const std::string& text);
};

inline constexpr int kIoFileNotFound = 2;
inline constexpr int kIoPathNotFound = 3;
inline constexpr int kIoAccessDenied = 5;
inline constexpr int kIoReadPastEnd = 100;
inline constexpr int kIoDiskFull = 101;

// Maps an operating-system error number to the file error code shown to the user.
int ioCodeFromErrno(int err);

}  // namespace lotto
