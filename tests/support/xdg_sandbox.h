#pragma once

#include <sys/stat.h>

#include <cstdlib>
#include <map>
#include <optional>
#include <string>

#include "support/temp_dir.h"

namespace tunelot::testing {

// Sets environment variables for its lifetime and puts the old values back after.
class ScopedEnvironment {
 public:
  ScopedEnvironment() = default;
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;
  ~ScopedEnvironment() {
    for (const auto& [name, value] : saved_) {
      if (value) {
        setenv(name.c_str(), value->c_str(), 1);
      } else {
        unsetenv(name.c_str());
      }
    }
  }

  void Set(const std::string& name, const std::string& value) {
    Save(name);
    setenv(name.c_str(), value.c_str(), 1);
  }
  void Unset(const std::string& name) {
    Save(name);
    unsetenv(name.c_str());
  }

 private:
  void Save(const std::string& name) {
    if (saved_.count(name) != 0) return;
    const char* value = std::getenv(name.c_str());
    saved_[name] = value != nullptr ? std::optional<std::string>(value) : std::nullopt;
  }

  std::map<std::string, std::optional<std::string>> saved_;
};

// A world of XDG folders inside one temporary folder, named in the environment for the
// object's lifetime: one configuration home, one configuration folder, one data home and
// one data folder, with a MIME database that knows a few types by their globs.
class XdgSandbox {
 public:
  XdgSandbox() {
    env.Set("XDG_CONFIG_HOME", ConfigHome());
    env.Set("XDG_CONFIG_DIRS", ConfigDir());
    env.Set("XDG_DATA_HOME", DataHome());
    env.Set("XDG_DATA_DIRS", DataDir());
    env.Unset("XDG_CURRENT_DESKTOP");
    WriteFile(DataDir() + "/mime/globs2",
              "# weight:type:glob\n"
              "50:audio/mpeg:*.mp3\n"
              "50:audio/x-vorbis+ogg:*.ogg\n"
              "50:text/plain:*.txt\n");
    WriteFile(DataDir() + "/mime/subclasses", "audio/x-vorbis+ogg application/ogg\n");
  }

  std::string ConfigHome() const { return dir / "config"; }
  std::string ConfigDir() const { return dir / "etc-xdg"; }
  std::string DataHome() const { return dir / "data"; }
  std::string DataDir() const { return dir / "share"; }

  // Writes `dataFolder`/applications/`relative` with a [Desktop Entry] group of `keys`.
  void AddApp(const std::string& dataFolder, const std::string& relative,
              const std::string& keys) const {
    WriteFile(dataFolder + "/applications/" + relative, "[Desktop Entry]\n" + keys);
  }

  // An executable script that writes its arguments, one a line, to `path` + ".args" when it
  // is done.
  std::string RecordingScript(const std::string& name) const {
    const std::string path = dir / name;
    WriteFile(path,
              "#!/bin/sh\n"
              "printf '%s\\n' \"$@\" > \"$0.args.part\" && mv \"$0.args.part\" \"$0.args\"\n");
    chmod(path.c_str(), 0755);
    return path;
  }

  TempDir dir;
  ScopedEnvironment env;
};

}  // namespace tunelot::testing
