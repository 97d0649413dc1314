#include "platform/file_size.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/errors.h"

namespace tunelot {
namespace {

[[noreturn]] void ThrowOpenError(const std::string& path, const std::string& reason) {
  throw FileOpenError("Cannot open file \"" + AbsolutePath(path) + "\". " + reason);
}

void RequireRegularFile(const std::string& path, const struct stat& info) {
  if (S_ISDIR(info.st_mode)) ThrowOpenError(path, SystemErrorText(EISDIR));
  if (!S_ISREG(info.st_mode)) ThrowOpenError(path, "Not a regular file");
}

}  // namespace

std::int64_t FileSizeOf(const std::string& path) {
  // The system would read the path only up to the NUL and size some other file.
  if (path.find('\0') != std::string::npos) ThrowOpenError(path, SystemErrorText(EINVAL));
  // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever.
  const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) ThrowOpenError(path, SystemErrorText(errno));
  struct stat info {};
  const int statResult = fstat(fd, &info);
  const int statError = errno;
  close(fd);
  if (statResult != 0) ThrowOpenError(path, SystemErrorText(statError));
  RequireRegularFile(path, info);
  return static_cast<std::int64_t>(info.st_size);
}

}  // namespace tunelot
