#include "platform/desktop_apps.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "platform/ascii_case.h"
#include "platform/key_file.h"
#include "platform/mime_types.h"

namespace tunelot {
namespace {

namespace fs = std::filesystem;

constexpr char kDesktopSuffix[] = ".desktop";

bool EndsWith(const std::string& text, const std::string& suffix) {
  return text.size() >= suffix.size() &&
         text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string DesktopFileId(const fs::path& relative) {
  std::string id = relative.generic_string();
  std::replace(id.begin(), id.end(), '/', '-');
  return id;
}

// The .desktop files below `root` with their IDs, in the order of the IDs.
std::map<std::string, std::string> DesktopFilesBelow(const std::string& root) {
  std::map<std::string, std::string> files;
  std::error_code error;
  fs::recursive_directory_iterator it(root, fs::directory_options::skip_permission_denied, error);
  for (; !error && it != fs::recursive_directory_iterator(); it.increment(error)) {
    const std::string path = it->path().string();
    std::error_code ignored;
    if (!EndsWith(path, kDesktopSuffix) || it->is_directory(ignored)) continue;
    files.emplace(DesktopFileId(it->path().lexically_relative(root)), path);
  }
  return files;
}

std::vector<KeyFile> ReadMimeAppsLists(const XdgDirs& dirs) {
  std::vector<KeyFile> lists;
  for (const std::string& file : MimeAppsLists(dirs)) {
    if (std::optional<KeyFile> list = ReadKeyFile(file)) lists.push_back(std::move(*list));
  }
  return lists;
}

std::vector<std::string> ListedIds(const KeyFile& list, const std::string& group,
                                   const std::string& mimeType) {
  const auto found = list.find(group);
  if (found == list.end()) return {};
  return SplitListValue(FindValue(found->second, mimeType).value_or(std::string()));
}

bool Declares(const DesktopApp& app, const std::string& mimeType) {
  return std::find(app.mimeTypes.begin(), app.mimeTypes.end(), mimeType) != app.mimeTypes.end();
}

class Resolver {
 public:
  explicit Resolver(const XdgDirs& dirs)
      : apps_(InstalledApps(dirs)), lists_(ReadMimeAppsLists(dirs)) {}

  std::optional<DesktopApp> DefaultFor(const std::string& mimeType) const {
    for (const KeyFile& list : lists_) {
      for (const std::string& id : ListedIds(list, "Default Applications", mimeType)) {
        if (const DesktopApp* app = Find(id)) return *app;
      }
    }
    return AssociatedFor(mimeType);
  }

 private:
  std::optional<DesktopApp> AssociatedFor(const std::string& mimeType) const {
    std::set<std::string> removed;
    for (const KeyFile& list : lists_) {
      for (const std::string& id : ListedIds(list, "Removed Associations", mimeType)) {
        removed.insert(id);
      }
      for (const std::string& id : ListedIds(list, "Added Associations", mimeType)) {
        const DesktopApp* app = Find(id);
        if (app != nullptr && removed.count(id) == 0) return *app;
      }
    }
    for (const DesktopApp& app : apps_) {
      if (Declares(app, mimeType) && removed.count(app.id) == 0) return app;
    }
    return std::nullopt;
  }

  const DesktopApp* Find(const std::string& id) const {
    const auto found = std::find_if(apps_.begin(), apps_.end(),
                                    [&id](const DesktopApp& app) { return app.id == id; });
    return found == apps_.end() ? nullptr : &*found;
  }

  std::vector<DesktopApp> apps_;
  std::vector<KeyFile> lists_;
};

bool ByName(const DesktopApp& a, const DesktopApp& b) {
  const std::string left = AsciiLower(a.name);
  const std::string right = AsciiLower(b.name);
  return left != right ? left < right : a.id < b.id;
}

}  // namespace

std::vector<DesktopApp> InstalledApps(const XdgDirs& dirs) {
  std::set<std::string> decided;
  std::vector<DesktopApp> apps;
  for (const std::string& folder : dirs.DataSearchPath()) {
    for (const auto& [id, file] : DesktopFilesBelow(folder + "/applications")) {
      if (decided.count(id) != 0) continue;
      std::optional<DesktopApp> app = ReadDesktopEntry(file, id);
      if (!app) continue;
      decided.insert(id);
      if (IsUsable(*app)) apps.push_back(std::move(*app));
    }
  }
  return apps;
}

std::vector<std::string> MimeAppsLists(const XdgDirs& dirs) {
  std::vector<std::string> folders = dirs.ConfigSearchPath();
  for (const std::string& folder : dirs.DataSearchPath())
    folders.push_back(folder + "/applications");
  std::vector<std::string> files;
  for (const std::string& folder : folders) {
    for (const std::string& desktop : dirs.desktops) {
      files.push_back(folder + "/" + desktop + "-mimeapps.list");
    }
    files.push_back(folder + "/mimeapps.list");
  }
  return files;
}

std::optional<DesktopApp> DefaultAppFor(const XdgDirs& dirs,
                                        const std::vector<std::string>& mimeTypes) {
  const Resolver resolver(dirs);
  for (const std::string& mimeType : mimeTypes) {
    if (std::optional<DesktopApp> app = resolver.DefaultFor(mimeType)) return app;
  }
  return std::nullopt;
}

std::optional<DesktopApp> AssociatedApp(const XdgDirs& dirs, const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) return std::nullopt;
  const std::vector<std::string> types = MimeTypesForFileName(dirs, path);
  if (types.empty()) return std::nullopt;
  return DefaultAppFor(dirs, types);
}

std::vector<DesktopApp> ChooserApps(const XdgDirs& dirs,
                                    const std::vector<std::string>& mimeTypes) {
  std::vector<DesktopApp> apps = InstalledApps(dirs);
  std::erase_if(apps, [](const DesktopApp& app) { return app.noDisplay; });
  const auto declaresOne = [&mimeTypes](const DesktopApp& app) {
    return std::any_of(mimeTypes.begin(), mimeTypes.end(),
                       [&app](const std::string& type) { return Declares(app, type); });
  };
  const auto others = std::stable_partition(apps.begin(), apps.end(), declaresOne);
  std::sort(apps.begin(), others, ByName);
  std::sort(others, apps.end(), ByName);
  return apps;
}

}  // namespace tunelot
