#include "exchange/list_file.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include "exchange/io_error_text.h"
#include "platform/errors.h"
#include "platform/path_style.h"

namespace tunelot {
namespace {

constexpr char kCtrlZ = 26;
constexpr std::size_t kChunkSize = 64 * 1024;
// Rows without any line in the file are allowed, up to this many cells beyond its size.
constexpr std::int64_t kSpareCells = 1 << 20;

std::ptrdiff_t SystemRead(int fd, char* bytes, std::size_t count) {
  return ::read(fd, bytes, count);
}

std::ptrdiff_t SystemWrite(int fd, const char* bytes, std::size_t count) {
  return ::write(fd, bytes, count);
}

// Collects lines and hands them to the file in large chunks.
class LineSink {
 public:
  LineSink(int fd, const WriteCall& write) : fd_(fd), write_(write) {}

  void Line(std::string_view text) {
    buffer_.append(text);
    buffer_.append("\r\n");
    if (buffer_.size() >= kChunkSize) Flush();
  }

  void Flush() {
    std::string_view rest = buffer_;
    while (!rest.empty()) {
      const std::ptrdiff_t written = write_(fd_, rest.data(), rest.size());
      if (written < 0 && errno == EINTR) continue;
      if (written < 0) ThrowIoError(errno);
      if (written == 0) ThrowIoError(EIO);
      rest.remove_prefix(static_cast<std::size_t>(written));
    }
    buffer_.clear();
  }

 private:
  int fd_;
  const WriteCall& write_;
  std::string buffer_;
};

std::string CellText(const Entry& entry, std::size_t column) {
  if (column == 0) return entry.path;
  return column <= entry.subItems.size() ? entry.subItems[column - 1].text : std::string();
}

int CellImage(const FileList& list, const Entry& entry, std::size_t column) {
  if (column == 0) return entry.image;
  if (!list.SubImages() || column > entry.subItems.size()) return -1;
  return entry.subItems[column - 1].image;
}

void WriteLines(const FileList& list, LineSink& out) {
  const std::size_t columns = list.ColumnCount();
  out.Line(std::to_string(columns) + "," + std::to_string(list.Count()));
  for (std::size_t i = 0; i < columns; ++i) {
    out.Line("cw " + std::to_string(i) + "," + std::to_string(list.ColumnAt(i).width));
  }
  for (std::size_t row = 0; row < list.Count(); ++row) {
    const Entry& entry = list.At(row);
    for (std::size_t column = 0; column < columns; ++column) {
      const std::string text = CellText(entry, column);
      if (text.empty()) continue;
      out.Line(std::to_string(column) + "," + std::to_string(row) + "," +
               std::to_string(CellImage(list, entry, column)) + "," + EncodeCellText(text));
    }
  }
  out.Flush();
}

// Saving through a symbolic link replaces the file it points to, not the link.
std::string ResolvedTarget(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path resolved = std::filesystem::canonical(path, error);
  return error ? path : resolved.string();
}

mode_t ModeFor(const std::string& target) {
  struct stat info {};
  if (stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) return info.st_mode & 0777;
  const mode_t mask = umask(0);
  umask(mask);
  return 0666 & ~mask;
}

// A new file beside the target that is removed again unless it replaced the target.
class TemporaryFile {
 public:
  explicit TemporaryFile(const std::string& target)
      : name_(FolderPart(target) + ".tunelot-XXXXXX") {
    fd_ = mkostemp(name_.data(), O_CLOEXEC);
    if (fd_ < 0) ThrowIoError(errno);
  }

  ~TemporaryFile() {
    if (fd_ >= 0) close(fd_);
    if (!committed_) unlink(name_.c_str());
  }

  TemporaryFile(const TemporaryFile&) = delete;
  TemporaryFile& operator=(const TemporaryFile&) = delete;

  int fd() const { return fd_; }

  void SetMode(mode_t mode) {
    if (fchmod(fd_, mode) != 0) ThrowIoError(errno);
  }

  void ReplaceTarget(const std::string& target) {
    if (fsync(fd_) != 0) ThrowIoError(errno);
    const int closed = close(fd_);
    fd_ = -1;
    if (closed != 0) ThrowIoError(errno);
    if (rename(name_.c_str(), target.c_str()) != 0) ThrowIoError(errno);
    committed_ = true;
  }

 private:
  std::string name_;
  int fd_ = -1;
  bool committed_ = false;
};

class ReadableFile {
 public:
  ReadableFile(const std::string& path, const std::string& fullPath) {
    // O_NONBLOCK: a FIFO would otherwise wait for a writer; it is refused below anyway.
    fd_ = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
    struct stat info {};
    if (fd_ < 0 || fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
      if (fd_ >= 0) close(fd_);
      throw ListFileError("File " + fullPath + " not found");
    }
    size_ = info.st_size;
  }
  ~ReadableFile() { close(fd_); }
  ReadableFile(const ReadableFile&) = delete;
  ReadableFile& operator=(const ReadableFile&) = delete;

  int fd() const { return fd_; }
  std::int64_t size() const { return size_; }

 private:
  int fd_ = -1;
  std::int64_t size_ = 0;
};

// Lines end at LF; every CR is dropped and Ctrl-Z ends the file.
class LineSource {
 public:
  LineSource(int fd, const ReadCall& read) : fd_(fd), read_(read), buffer_(kChunkSize) {}

  // The next line without its end, or false at the end of the file.
  bool Next(std::string& line) {
    line.clear();
    bool started = false;
    char c = 0;
    while (NextByte(c)) {
      if (c == kCtrlZ) {
        ended_ = true;
        break;
      }
      started = true;
      if (c == '\n') break;
      if (c != '\r') line.push_back(c);
    }
    if (started) ++number_;
    return started;
  }

  // The line number of the line last given, counted from 1.
  std::int64_t number() const { return number_; }

 private:
  bool NextByte(char& c) {
    if (ended_) return false;
    if (pos_ == end_ && !Fill()) return false;
    c = buffer_[pos_++];
    return true;
  }

  bool Fill() {
    std::ptrdiff_t count = 0;
    do {
      count = read_(fd_, buffer_.data(), buffer_.size());
    } while (count < 0 && errno == EINTR);
    if (count < 0) throw ListFileError(IoErrorText(errno));
    pos_ = 0;
    end_ = static_cast<std::size_t>(count);
    ended_ = count == 0;
    return !ended_;
  }

  int fd_;
  const ReadCall& read_;
  std::vector<char> buffer_;
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
  bool ended_ = false;
  std::int64_t number_ = 0;
};

// The text before the first comma, leaving the rest after it; with no comma an empty field
// and the rest untouched.
std::string_view TakeField(std::string_view& rest) {
  const std::size_t comma = rest.find(',');
  if (comma == std::string_view::npos) return {};
  const std::string_view field = rest.substr(0, comma);
  rest.remove_prefix(comma + 1);
  return field;
}

struct ListSize {
  int columns = 0;
  int rows = 0;
};

ListSize ReadSizeLine(LineSource& lines, std::int64_t fileSize, const std::string& fullPath) {
  std::string line;
  ListSize size;
  if (lines.Next(line)) {
    std::string_view rest = line;
    size.columns = ReadNumberField(TakeField(rest));
    size.rows = ReadNumberField(rest);
  }
  const std::int64_t cells = (std::int64_t{size.columns} + 1) * size.rows;
  if (size.columns <= 0 || size.rows <= 0 || cells > fileSize + kSpareCells) {
    throw ListFileError("File contains no data or corrupt file " + fullPath);
  }
  return size;
}

// Sizes the list's columns and gives its rows, blank, to be filled in place and put into
// the list at the end: copying a row out and back for each cell line would cost the list's
// whole width per line, hours for a small file with a wide size line.
std::vector<Entry> SizeList(FileList& list, const ListSize& size) {
  list.Clear();
  const auto columns = static_cast<std::size_t>(size.columns);
  while (list.ColumnCount() < columns) list.AddColumn();
  for (std::size_t i = 0; i < columns; ++i) list.SetColumnCaption(i, {});
  Entry blank;
  blank.image = -1;
  blank.subItems.resize(columns);
  return std::vector<Entry>(static_cast<std::size_t>(size.rows), blank);
}

void PutRows(FileList& list, std::vector<Entry>& rows) {
  for (Entry& row : rows) list.Append(std::move(row));
}

int ClampedWidth(int width, const Column& column) {
  if (width >= 0 && width < column.minWidth) return column.minWidth;
  if (column.maxWidth > 0 && width > column.maxWidth) return column.maxWidth;
  return width;
}

void ApplyWidthLine(FileList& list, const ListSize& size, std::string_view line) {
  std::string_view rest = line.size() > 3 ? line.substr(3) : std::string_view();
  const int index = ReadNumberField(TakeField(rest));
  if (index < 0 || index >= size.columns) return;
  const auto column = static_cast<std::size_t>(index);
  list.SetColumnWidth(column, ClampedWidth(ReadNumberField(rest), list.ColumnAt(column)));
}

[[noreturn]] void ThrowBadCellLine(std::int64_t number, const std::string& problem) {
  throw ListFileError("Line " + std::to_string(number) + ": " + problem);
}

void ApplyCellLine(FileList& list, std::vector<Entry>& rows, const ListSize& size,
                   std::string_view line, std::int64_t number) {
  std::string_view rest = line;
  const int column = ReadNumberField(TakeField(rest));
  const int row = ReadNumberField(TakeField(rest));
  const int image = ReadNumberField(TakeField(rest));
  if (image >= 0) list.SetSubImages(true);
  if (column < 0 || column > size.columns) {
    ThrowBadCellLine(number, "column " + std::to_string(column) + " is outside columns 0 to " +
                                 std::to_string(size.columns));
  }
  if (row < 0 || row >= size.rows) {
    ThrowBadCellLine(number, "row " + std::to_string(row) + " is outside the list's " +
                                 std::to_string(size.rows) + " rows");
  }
  Entry& entry = rows[static_cast<std::size_t>(row)];
  if (column == 0) {
    entry.path = DecodeCellText(rest);
    entry.image = image;
  } else {
    entry.subItems[static_cast<std::size_t>(column) - 1] = Cell{DecodeCellText(rest), image};
  }
}

void ApplyLines(FileList& list, std::vector<Entry>& rows, const ListSize& size, LineSource& lines) {
  std::string line;
  while (lines.Next(line)) {
    if (line.starts_with("cw")) {
      ApplyWidthLine(list, size, line);
    } else {
      ApplyCellLine(list, rows, size, line, lines.number());
    }
  }
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

void WriteListFile(const FileList& list, const std::string& path) {
  WriteListFile(list, path, SystemWrite);
}

void WriteListFile(const FileList& list, const std::string& path, const WriteCall& write) {
  const std::string target = ResolvedTarget(path);
  TemporaryFile file(target);
  file.SetMode(ModeFor(target));
  LineSink sink(file.fd(), write);
  WriteLines(list, sink);
  file.ReplaceTarget(target);
}

void ReadListFile(FileList& list, const std::string& path) { ReadListFile(list, path, SystemRead); }

void ReadListFile(FileList& list, const std::string& path, const ReadCall& read) {
  const std::string fullPath = AbsolutePath(path);
  const ReadableFile file(path, fullPath);
  LineSource lines(file.fd(), read);
  const ListSize size = ReadSizeLine(lines, file.size(), fullPath);
  UpdateBracket bracket(list);
  std::vector<Entry> rows = SizeList(list, size);
  try {
    ApplyLines(list, rows, size, lines);
  } catch (...) {
    // A failed load keeps the rows read so far.
    PutRows(list, rows);
    throw;
  }
  PutRows(list, rows);
}

std::string EncodeCellText(std::string_view text) {
  std::string encoded(text);
  for (char& c : encoded) {
    if (c == '\r') {
      c = '\t';
    } else if (c == '\n') {
      c = '\b';
    }
  }
  return encoded;
}

std::string DecodeCellText(std::string_view text) {
  std::string decoded(text);
  for (char& c : decoded) {
    if (c == '\t') {
      c = '\r';
    } else if (c == '\b') {
      c = '\n';
    }
  }
  decoded.erase(std::min(decoded.find('\r'), decoded.size()));
  return decoded;
}

int ReadNumberField(std::string_view field) {
  constexpr std::int64_t kMagnitudeLimit = std::int64_t{INT_MAX} + 1;
  std::size_t i = field.find_first_not_of(' ');
  if (i == std::string_view::npos) return 0;
  const bool negative = field[i] == '-';
  if (field[i] == '-' || field[i] == '+') ++i;
  const std::size_t digitsStart = i;
  std::int64_t magnitude = 0;
  for (; i < field.size() && IsDigit(field[i]); ++i) {
    magnitude = std::min(magnitude * 10 + (field[i] - '0'), kMagnitudeLimit);
  }
  const bool wholeNumber = i == field.size() && i > digitsStart;
  if (wholeNumber && negative) return static_cast<int>(-magnitude);
  return static_cast<int>(std::min<std::int64_t>(magnitude, INT_MAX));
}

}  // namespace tunelot
