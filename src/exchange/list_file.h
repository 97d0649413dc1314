#pragma once

#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "lists/file_list.h"

namespace tunelot {

// A list file that could not be loaded; the message is the one shown below
// "File could not be loaded.".
class ListFileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// POSIX read() and write(), or a stand-in that fails on purpose: the count of bytes moved,
// or -1 with errno set.
using ReadCall = std::function<std::ptrdiff_t(int fd, char* bytes, std::size_t count)>;
using WriteCall = std::function<std::ptrdiff_t(int fd, const char* bytes, std::size_t count)>;

// Writes `list` to `path`: a size line, a width line per column and a line per non-empty
// cell, each ended by CR LF. The bytes go to a temporary file beside the target, which
// replaces it only when complete and flushed, so a failure leaves an existing file as it
// was. A symbolic link keeps pointing at the file it named. Throws IoError.
void WriteListFile(const FileList& list, const std::string& path);
void WriteListFile(const FileList& list, const std::string& path, const WriteCall& write);

// Replaces the entries of `list` by the rows of the list file `path`, adding columns it
// lacks. Throws ListFileError; the list then keeps what was put in before the failure.
// A size line asking for more cells than the file's size could describe, beyond a margin
// for rows without lines, counts as corrupt.
void ReadListFile(FileList& list, const std::string& path);
void ReadListFile(FileList& list, const std::string& path, const ReadCall& read);

// CR becomes TAB and LF becomes BS; every other byte stays.
std::string EncodeCellText(std::string_view text);
// TAB becomes CR and BS becomes LF; then the text is cut before its first CR.
std::string DecodeCellText(std::string_view text);

// The value of a number field: optional leading spaces, an optional sign and digits; in
// any other field the digits before the first stray character, without sign; 0 when there
// are none. Values beyond 32 bits clamp to the nearest int.
int ReadNumberField(std::string_view field);

}  // namespace tunelot
