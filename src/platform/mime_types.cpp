#include "platform/mime_types.h"

#include <fnmatch.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "platform/ascii_case.h"
#include "platform/path_style.h"

namespace tunelot {
namespace {

struct GlobMatch {
  int weight = 0;
  std::size_t length = 0;
  std::string type;
};

bool HasFlag(const std::string& flags, const std::string& flag) {
  std::stringstream list(flags);
  std::string item;
  while (std::getline(list, item, ',')) {
    if (item == flag) return true;
  }
  return false;
}

// The database's rule: try the name as it is first, and lower-cased only when nothing fits.
bool Matches(const std::string& glob, const std::string& flags, const std::string& name,
             bool lowerCased) {
  if (!lowerCased) return fnmatch(glob.c_str(), name.c_str(), 0) == 0;
  return !HasFlag(flags, "cs") && fnmatch(AsciiLower(glob).c_str(), name.c_str(), 0) == 0;
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

std::vector<std::string> Fields(const std::string& line, char separator) {
  std::vector<std::string> fields;
  std::stringstream text(line);
  std::string field;
  while (std::getline(text, field, separator)) fields.push_back(field);
  return fields;
}

// Lines of "weight:type:glob[:flags]".
void CollectGlobMatches(const std::string& file, const std::string& name, bool lowerCased,
                        std::vector<GlobMatch>& matches) {
  if (!IsRegularFile(file)) return;
  std::ifstream in(file);
  std::string line;
  while (std::getline(in, line)) {
    if (line.empty() || line.front() == '#') continue;
    const std::vector<std::string> fields = Fields(line, ':');
    if (fields.size() < 3) continue;
    const std::string flags = fields.size() > 3 ? fields[3] : std::string();
    if (!Matches(fields[2], flags, name, lowerCased)) continue;
    const int weight = std::atoi(fields[0].c_str());
    matches.push_back({weight, fields[2].size(), fields[1]});
  }
}

// Lines of "type parent".
std::multimap<std::string, std::string> ReadSubclasses(const std::vector<std::string>& folders) {
  std::multimap<std::string, std::string> parents;
  for (const std::string& folder : folders) {
    const std::string file = folder + "/mime/subclasses";
    if (!IsRegularFile(file)) continue;
    std::ifstream in(file);
    std::string type;
    std::string parent;
    while (in >> type >> parent) parents.emplace(type, parent);
  }
  return parents;
}

void AddOnce(std::vector<std::string>& types, const std::string& type) {
  if (std::find(types.begin(), types.end(), type) == types.end()) types.push_back(type);
}

void AddAncestors(const std::vector<std::string>& folders, std::vector<std::string>& types) {
  const std::multimap<std::string, std::string> parents = ReadSubclasses(folders);
  for (std::size_t i = 0; i < types.size(); ++i) {
    const auto [first, last] = parents.equal_range(types[i]);
    for (auto it = first; it != last; ++it) AddOnce(types, it->second);
  }
}

}  // namespace

std::vector<std::string> MimeTypesForFileName(const XdgDirs& dirs, const std::string& path) {
  const std::string name = FileNamePart(path, PathStyle::Posix);
  const std::vector<std::string> folders = dirs.DataSearchPath();
  std::vector<GlobMatch> matches;
  for (const bool lowerCased : {false, true}) {
    const std::string tried = lowerCased ? AsciiLower(name) : name;
    for (const std::string& folder : folders) {
      CollectGlobMatches(folder + "/mime/globs2", tried, lowerCased, matches);
    }
    if (!matches.empty()) break;
  }
  const auto better = [](const GlobMatch& a, const GlobMatch& b) {
    return a.weight != b.weight ? a.weight > b.weight : a.length > b.length;
  };
  std::stable_sort(matches.begin(), matches.end(), better);
  std::vector<std::string> types;
  // Only the best matches count; a weaker glob that also fits names no type of the file.
  for (const GlobMatch& match : matches) {
    if (!better(matches.front(), match)) AddOnce(types, match.type);
  }
  AddAncestors(folders, types);
  return types;
}

}  // namespace tunelot
