#include "platform/desktop_entry.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <string_view>

#include "platform/key_file.h"

namespace tunelot {
namespace {

constexpr char kDefaultSearchPath[] = "/usr/local/bin:/usr/bin:/bin";

bool KeptAfterBackslashInQuotes(char c) {
  return std::string_view("\"`$\\").find(c) != std::string_view::npos;
}

std::string Unescaped(const KeyFileGroup& group, const std::string& key) {
  return UnescapeValue(FindValue(group, key).value_or(std::string()));
}

// How Exec becomes arguments: spaces split them outside double quotes, a backslash inside
// quotes keeps the next '"', '`', '$' or '\', and field codes are replaced wherever they stand.
class ExecSplitter {
 public:
  ExecSplitter(const DesktopApp& app, const std::string& path) : app_(app), path_(path) {}

  std::vector<std::string> Split() {
    const std::string& exec = app_.exec;
    for (std::size_t i = 0; i < exec.size(); ++i) {
      const char c = exec[i];
      const bool hasNext = i + 1 < exec.size();
      if (inQuotes_ && c == '"') {
        inQuotes_ = false;
      } else if (inQuotes_ && c == '\\' && hasNext && KeptAfterBackslashInQuotes(exec[i + 1])) {
        Add(std::string(1, exec[++i]));
      } else if (!inQuotes_ && (c == ' ' || c == '\t' || c == '\n')) {
        Finish();
      } else if (!inQuotes_ && c == '"') {
        inQuotes_ = true;
        hasToken_ = true;
      } else if (c == '%' && hasNext) {
        Expand(exec[++i]);
      } else {
        Add(std::string(1, c));
      }
    }
    Finish();
    if (inQuotes_ || arguments_.empty()) return {};
    if (!namesFile_) arguments_.push_back(path_);
    return arguments_;
  }

 private:
  void Add(const std::string& text) {
    current_ += text;
    hasToken_ = true;
  }

  void Finish() {
    if (hasToken_) arguments_.push_back(current_);
    current_.clear();
    hasToken_ = false;
  }

  void Expand(char code) {
    switch (code) {
      case 'f':
      case 'F':
      case 'u':
      case 'U':
        Add(path_);
        namesFile_ = true;
        break;
      case 'i':
        if (app_.icon.empty()) break;
        Finish();
        arguments_.push_back("--icon");
        Add(app_.icon);
        break;
      case 'c':
        Add(app_.name);
        break;
      case 'k':
        Add(app_.file);
        break;
      case '%':
        Add("%");
        break;
      default:  // %d %D %n %N %v %m are deprecated and give nothing, as do unknown codes
        break;
    }
  }

  const DesktopApp& app_;
  const std::string& path_;
  std::vector<std::string> arguments_;
  std::string current_;
  bool hasToken_ = false;
  bool inQuotes_ = false;
  bool namesFile_ = false;
};

int FileProblem(const std::string& file) {
  struct stat status {};
  if (stat(file.c_str(), &status) != 0) return errno;
  if (!S_ISREG(status.st_mode) || access(file.c_str(), X_OK) != 0) return EACCES;
  return 0;
}

}  // namespace

std::optional<DesktopApp> ReadDesktopEntry(const std::string& file, const std::string& id) {
  const std::optional<KeyFile> keys = ReadKeyFile(file);
  if (!keys) return std::nullopt;
  const auto group = keys->find("Desktop Entry");
  if (group == keys->end()) return std::nullopt;
  const KeyFileGroup& entry = group->second;
  DesktopApp app;
  app.id = id;
  app.file = file;
  // A hidden entry counts as deleted, yet still hides the same ID in later folders.
  app.hidden = BooleanValue(entry, "Hidden");
  if (app.hidden) return app;
  app.exec = Unescaped(entry, "Exec");
  if (Unescaped(entry, "Type") != "Application" || app.exec.empty()) return std::nullopt;
  app.name = Unescaped(entry, "Name");
  app.tryExec = Unescaped(entry, "TryExec");
  app.icon = Unescaped(entry, "Icon");
  app.mimeTypes = SplitListValue(FindValue(entry, "MimeType").value_or(std::string()));
  app.noDisplay = BooleanValue(entry, "NoDisplay");
  return app;
}

std::vector<std::string> ExecArguments(const DesktopApp& app, const std::string& path) {
  return ExecSplitter(app, path).Split();
}

int ProgramProblem(const std::string& program) {
  if (program.empty()) return ENOENT;
  if (program.find('/') != std::string::npos) return FileProblem(program);
  const char* variable = std::getenv("PATH");
  const std::string searchPath = variable != nullptr ? variable : kDefaultSearchPath;
  int problem = ENOENT;
  std::string::size_type from = 0;
  while (from <= searchPath.size()) {
    std::string::size_type to = searchPath.find(':', from);
    if (to == std::string::npos) to = searchPath.size();
    const std::string folder = to == from ? "." : searchPath.substr(from, to - from);
    const int found = FileProblem(folder + "/" + program);
    if (found == 0) return 0;
    if (found == EACCES) problem = EACCES;
    from = to + 1;
  }
  return problem;
}

bool IsUsable(const DesktopApp& app) {
  return !app.hidden && (app.tryExec.empty() || ProgramProblem(app.tryExec) == 0);
}

}  // namespace tunelot
