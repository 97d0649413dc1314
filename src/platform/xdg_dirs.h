#pragma once

#include <string>
#include <vector>

namespace tunelot {

// The folders of the XDG base directory rules, most important first within each list.
struct XdgDirs {
  std::string configHome;
  std::vector<std::string> configDirs;
  std::string dataHome;
  std::vector<std::string> dataDirs;
  // The desktops of $XDG_CURRENT_DESKTOP, lower-cased, for desktop-specific mimeapps.list files.
  std::vector<std::string> desktops;

  // Read afresh from the environment, with the rules' defaults for unset or relative values.
  static XdgDirs FromEnvironment();

  // configHome, then configDirs.
  std::vector<std::string> ConfigSearchPath() const;
  // dataHome, then dataDirs.
  std::vector<std::string> DataSearchPath() const;
};

}  // namespace tunelot
