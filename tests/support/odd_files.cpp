#include "support/odd_files.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

namespace tunelot::testing {

void MakeSocket(const std::string& path) {
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  ASSERT_LT(path.size(), sizeof address.sun_path) << path;
  path.copy(address.sun_path, path.size());
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(fd, 0);
  const int bound = bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address);
  close(fd);
  ASSERT_EQ(bound, 0) << path;
}

bool MakeEndlessDevice(const std::string& path) {
  return mknod(path.c_str(), S_IFCHR | 0644, makedev(1, 5)) == 0;
}

}  // namespace tunelot::testing
