#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/desktop_entry.h"
#include "platform/xdg_dirs.h"

namespace tunelot {

// Every usable application of the data folders' "applications" folders, by desktop file ID
// (the path below that folder, "/" written as "-"). The first folder holding an ID decides
// it; a Hidden entry there hides the ID in later folders too. In the order of the data
// folders, then of the IDs.
std::vector<DesktopApp> InstalledApps(const XdgDirs& dirs);

// The mimeapps.list files in the order of precedence: the configuration folders, then the
// data folders' "applications" folders, each with its desktop-specific files first.
std::vector<std::string> MimeAppsLists(const XdgDirs& dirs);

// The application that opens files of `mimeTypes`, the file's own type first and then the
// types it derives from. For each type in turn: the first installed application that a
// [Default Applications] entry of the mimeapps.list files names; else the first of its
// [Added Associations] and then of the applications declaring the type, less those that
// [Removed Associations] takes away.
std::optional<DesktopApp> DefaultAppFor(const XdgDirs& dirs,
                                        const std::vector<std::string>& mimeTypes);

// The application that opens the file at `path`; nullopt when no such file exists or its type
// has no application.
std::optional<DesktopApp> AssociatedApp(const XdgDirs& dirs, const std::string& path);

// The applications to offer for opening a file of `mimeTypes`: those shown in menus, the ones
// declaring one of the types first, each part in the order of their names.
std::vector<DesktopApp> ChooserApps(const XdgDirs& dirs, const std::vector<std::string>& mimeTypes);

}  // namespace tunelot
