#pragma once

#include <string>

namespace tunelot::testing {

// Makes a listening-less Unix socket at `path`; fails the test where it cannot.
void MakeSocket(const std::string& path);

// A character device like /dev/zero, which never ends; false where the system refuses.
bool MakeEndlessDevice(const std::string& path);

}  // namespace tunelot::testing
