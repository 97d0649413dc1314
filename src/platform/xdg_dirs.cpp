#include "platform/xdg_dirs.h"

#include <algorithm>
#include <cstdlib>

#include "platform/ascii_case.h"

namespace tunelot {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

bool IsAbsolute(const std::string& path) { return !path.empty() && path.front() == '/'; }

std::vector<std::string> Split(const std::string& text, char separator) {
  std::vector<std::string> parts;
  std::string::size_type from = 0;
  while (from <= text.size()) {
    const std::string::size_type to = std::min(text.find(separator, from), text.size());
    parts.push_back(text.substr(from, to - from));
    from = to + 1;
  }
  return parts;
}

std::string WithoutTrailingSlashes(std::string path) {
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

// The rules ignore relative entries; an unset or empty list takes the default.
std::vector<std::string> FolderList(const char* name, const std::string& fallback) {
  std::string value = Environment(name);
  if (value.empty()) value = fallback;
  std::vector<std::string> folders;
  for (const std::string& part : Split(value, ':')) {
    if (IsAbsolute(part)) folders.push_back(WithoutTrailingSlashes(part));
  }
  return folders;
}

std::string HomeFolder(const char* name, const std::string& belowHome) {
  const std::string value = Environment(name);
  if (IsAbsolute(value)) return WithoutTrailingSlashes(value);
  return WithoutTrailingSlashes(Environment("HOME")) + "/" + belowHome;
}

}  // namespace

XdgDirs XdgDirs::FromEnvironment() {
  XdgDirs dirs;
  dirs.configHome = HomeFolder("XDG_CONFIG_HOME", ".config");
  dirs.configDirs = FolderList("XDG_CONFIG_DIRS", "/etc/xdg");
  dirs.dataHome = HomeFolder("XDG_DATA_HOME", ".local/share");
  dirs.dataDirs = FolderList("XDG_DATA_DIRS", "/usr/local/share:/usr/share");
  for (const std::string& desktop : Split(Environment("XDG_CURRENT_DESKTOP"), ':')) {
    if (!desktop.empty()) dirs.desktops.push_back(AsciiLower(desktop));
  }
  return dirs;
}

std::vector<std::string> XdgDirs::ConfigSearchPath() const {
  std::vector<std::string> path{configHome};
  path.insert(path.end(), configDirs.begin(), configDirs.end());
  return path;
}

std::vector<std::string> XdgDirs::DataSearchPath() const {
  std::vector<std::string> path{dataHome};
  path.insert(path.end(), dataDirs.begin(), dataDirs.end());
  return path;
}

}  // namespace tunelot
