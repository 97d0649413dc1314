#pragma once

#include <stdexcept>
#include <string>

namespace tunelot {

// A file that could not be opened; the message is the one shown to the user.
class FileOpenError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A failed read or write of a file, with the system's error code.
class IoError : public std::runtime_error {
 public:
  IoError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// The system's text for an error code, without trailing blanks, line breaks and full stops.
std::string SystemErrorText(int code);

// `path` made absolute against the current folder, "." and ".." steps and doubled
// separators resolved.
std::string AbsolutePath(const std::string& path);

}  // namespace tunelot
