#pragma once
// The ways a user action can fail.
//
// - SilentCancel ends the whole action without any message; what was already
//   written stays.
// - Every other error derives from Error and reaches the program's default
//   error box (caption "Vantrel", the error's own message).
// - Lookups that swallow their errors catch DatabaseError themselves.
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

namespace vantrel {

// Ends a user action quietly. The reason (the error that ended it, naming
// the file and what was wrong) is not shown by the window; the command line,
// which has no quiet ending, prints it.
class SilentCancel : public std::exception {
 public:
  SilentCancel() = default;
  explicit SilentCancel(std::string reason) : reason_(std::move(reason)) {}
  const char* what() const noexcept override { return "operation cancelled"; }
  const std::string& reason() const noexcept { return reason_; }

 private:
  std::string reason_;
};

// Base of every error that is shown to the user.
class Error : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text that does not convert to a number or a date, or a date or time
// that cannot be encoded.
class ConvertError : public Error {
 public:
  using Error::Error;
};

// A database file, table or column that cannot be read, or a rejected statement.
class DatabaseError : public Error {
 public:
  using Error::Error;
};

// A file that cannot be opened: "Cannot open file "<path>". <reason>".
class FileError : public Error {
 public:
  FileError(const std::string& path, const std::string& reason);
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace vantrel
