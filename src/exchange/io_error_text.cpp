#include "exchange/io_error_text.h"

#include <cerrno>

#include "platform/errors.h"

namespace tunelot {

std::string IoErrorText(int error) {
  switch (error) {
    case ENOENT:
      return "File not found";
    case ENAMETOOLONG:
      return "Invalid filename";
    case EMFILE:
    case ENFILE:
      return "Too many open files";
    case EACCES:
    case EPERM:
    case EROFS:
      return "File access denied";
    case ENOSPC:
    case EDQUOT:
      return "Disk full";
    default:
      return "I/O error " + std::to_string(error);
  }
}

void ThrowIoError(int error) { throw IoError(error, IoErrorText(error)); }

}  // namespace tunelot
