#include "platform/file_copy.h"

#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <new>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tunelot {
namespace {

constexpr std::size_t kRangeChunk = std::size_t{1} << 24;
constexpr std::size_t kBufferSize = std::size_t{1} << 20;

// Closes on every early return; Close() is the checked close of the success path.
class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  FileDescriptor(FileDescriptor&& other) noexcept : fd_(other.fd_) { other.fd_ = -1; }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  FileDescriptor& operator=(FileDescriptor&&) = delete;
  ~FileDescriptor() {
    if (fd_ >= 0) close(fd_);
  }

  bool valid() const { return fd_ >= 0; }
  int get() const { return fd_; }

  // A failed close can mean writes that never reached the device.
  bool Close() {
    const int fd = fd_;
    fd_ = -1;
    return close(fd) == 0;
  }

 private:
  int fd_;
};

// The system reads a path only up to a NUL, and would write to whatever the part before it
// names: an output path "notes.txt\0/music" would overwrite notes.txt.
bool IsWholePath(const std::string& path) { return path.find('\0') == std::string::npos; }

bool IsRegularFile(int fd, struct stat& info) {
  return fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
}

bool IsSameFile(const struct stat& a, const struct stat& b) {
  return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

// O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
FileDescriptor OpenSource(const std::string& path, struct stat& info) {
  FileDescriptor fd(open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
  if (fd.valid() && !IsRegularFile(fd.get(), info)) return FileDescriptor(-1);
  return fd;
}

// Opened without O_TRUNC: the old content goes only once the target is known not to be the
// source itself. O_NONBLOCK keeps a FIFO target from waiting for a reader.
FileDescriptor OpenTarget(const std::string& path, const struct stat& source) {
  FileDescriptor fd(
      open(path.c_str(), O_WRONLY | O_CREAT | O_NONBLOCK | O_CLOEXEC | O_NOCTTY, 0644));
  if (!fd.valid()) return fd;
  struct stat info {};
  if (!IsRegularFile(fd.get(), info) || IsSameFile(info, source)) return FileDescriptor(-1);
  if (ftruncate(fd.get(), 0) != 0) return FileDescriptor(-1);
  return fd;
}

bool IsRangeCopyUnsupported(int error) {
  return error == EXDEV || error == EINVAL || error == ENOSYS || error == EOPNOTSUPP;
}

// False only on a real failure; an unsupported pair of files leaves the rest to read/write.
bool CopyWithFileRange(int from, int to, std::uint64_t& copied) {
  for (;;) {
    const ssize_t count = copy_file_range(from, nullptr, to, nullptr, kRangeChunk, 0);
    if (count > 0) {
      copied += static_cast<std::uint64_t>(count);
    } else if (count == 0) {
      return true;
    } else if (errno != EINTR) {
      return IsRangeCopyUnsupported(errno);
    }
  }
}

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t count = write(fd, data, size);
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    data += count;
    size -= static_cast<std::size_t>(count);
  }
  return true;
}

bool CopyWithReadWrite(int from, int to, std::uint64_t& copied) {
  const std::unique_ptr<char[]> buffer(new (std::nothrow) char[kBufferSize]);
  if (!buffer) return false;
  for (;;) {
    const ssize_t count = read(from, buffer.get(), kBufferSize);
    if (count == 0) return true;
    if (count < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    if (!WriteAll(to, buffer.get(), static_cast<std::size_t>(count))) return false;
    copied += static_cast<std::uint64_t>(count);
  }
}

// copy_file_range also answers 0 for files whose size reads as 0 but that have content
// (procfs), so a plain read confirms the end.
bool CopyContent(int from, int to, std::uint64_t& copied) {
  return CopyWithFileRange(from, to, copied) && CopyWithReadWrite(from, to, copied);
}

bool Sync(int fd) {
  while (fsync(fd) != 0) {
    if (errno != EINTR) return false;
  }
  return true;
}

// False leaves the target partly written.
bool WriteTarget(const FileDescriptor& from, FileDescriptor& to, const struct stat& sourceInfo) {
  std::uint64_t copied = 0;
  if (!CopyContent(from.get(), to.get(), copied)) return false;
  // A source cut short while it was read is no longer the song that was listed.
  if (copied < static_cast<std::uint64_t>(sourceInfo.st_size)) return false;
  return Sync(to.get()) && to.Close();
}

}  // namespace

bool SystemFileCopier::CopyAndFlush(const std::string& source, const std::string& target) {
  if (!IsWholePath(source) || !IsWholePath(target)) return false;
  struct stat sourceInfo {};
  FileDescriptor from = OpenSource(source, sourceInfo);
  if (!from.valid()) return false;
  FileDescriptor to = OpenTarget(target, sourceInfo);
  if (!to.valid()) return false;
  if (WriteTarget(from, to, sourceInfo)) return true;
  // Part of a song would play as if it were whole, and takes room the next files may need.
  unlink(target.c_str());
  return false;
}

bool SystemFileCopier::FlushFolder(const std::string& folder) {
  if (!IsWholePath(folder)) return false;
  FileDescriptor fd(open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  return fd.valid() && Sync(fd.get()) && fd.Close();
}

}  // namespace tunelot
