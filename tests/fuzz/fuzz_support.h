#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <unistd.h>

namespace tunelot::fuzz {

// A broken property is a crash to libFuzzer: it keeps the input and stops.
inline void Require(bool holds, const char* property) {
  if (holds) return;
  std::fprintf(stderr, "property broken: %s\n", property);
  std::abort();
}

inline std::string_view AsText(const std::uint8_t* data, std::size_t size) {
  return {reinterpret_cast<const char*>(data), size};
}

// Files in a folder of their own under TMPDIR, rewritten for every input and removed when
// the process ends normally.
class ScratchFolder {
 public:
  ScratchFolder() {
    const char* base = std::getenv("TMPDIR");
    path_ = std::string(base != nullptr && *base != '\0' ? base : "/tmp") + "/fuzz-XXXXXX";
    Require(mkdtemp(path_.data()) != nullptr, "a scratch folder can be made");
  }
  ~ScratchFolder() {
    for (const std::string& name : written_) unlink(name.c_str());
    rmdir(path_.c_str());
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The path of file `name`, now holding exactly `bytes`.
  std::string Write(const std::string& name, std::string_view bytes) {
    const std::string file = path_ + "/" + name;
    const int fd = open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    Require(fd >= 0, "a scratch file can be created");
    std::size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t count = write(fd, bytes.data() + done, bytes.size() - done);
      Require(count > 0, "a scratch file can be written");
      done += static_cast<std::size_t>(count);
    }
    close(fd);
    Remember(file);
    return file;
  }

  std::string PathOf(const std::string& name) {
    const std::string file = path_ + "/" + name;
    Remember(file);
    return file;
  }

 private:
  void Remember(const std::string& file) {
    for (const std::string& name : written_) {
      if (name == file) return;
    }
    written_.push_back(file);
  }

  std::string path_;
  std::vector<std::string> written_;
};

}  // namespace tunelot::fuzz
