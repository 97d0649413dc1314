#pragma once

#include <optional>
#include <string>
#include <vector>

namespace tunelot {

// An application as its .desktop file describes it.
struct DesktopApp {
  std::string id;    // the desktop file ID, such as "org.example.Player.desktop"
  std::string file;  // where the .desktop file is
  std::string name;
  std::string exec;  // the Exec value with its string escapes resolved
  std::string tryExec;
  std::string icon;
  std::vector<std::string> mimeTypes;
  bool hidden = false;
  bool noDisplay = false;
};

// The application of a .desktop file's [Desktop Entry] group; nullopt when the file cannot
// be read or describes no application (another Type, or no Exec).
std::optional<DesktopApp> ReadDesktopEntry(const std::string& file, const std::string& id);

// Exec split into arguments by the desktop entry quoting rules, field codes replaced for
// opening `path`: %f %F %u %U give the path unchanged, %i the icon, %c the name, %k the
// .desktop file, %% a "%"; deprecated codes vanish. When Exec names no file, the path is
// appended. Empty when Exec cannot be split (an open quote).
std::vector<std::string> ExecArguments(const DesktopApp& app, const std::string& path);

// Why `program` (a path, or a name looked up in $PATH) cannot be run, as an errno value:
// ENOENT, ENOTDIR, EACCES; 0 when it can.
int ProgramProblem(const std::string& program);

// Not hidden, and its TryExec, when it has one, names a program that can be run.
bool IsUsable(const DesktopApp& app);

}  // namespace tunelot
