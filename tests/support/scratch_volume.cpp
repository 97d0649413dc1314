#include "support/scratch_volume.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include <sys/mount.h>

namespace tunelot::testing {

ScratchVolume::ScratchVolume(const std::string& folder, const std::string& size) : folder_(folder) {
  std::filesystem::create_directories(folder);
  const std::string options = "size=" + size;
  mounted_ = mount("tmpfs", folder.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0;
  if (!mounted_) {
    refusal_ = std::string("mounting a tmpfs is refused here (") + std::strerror(errno) +
               "); a full or vanishing medium needs root with the right to mount";
  }
}

ScratchVolume::~ScratchVolume() { Detach(); }

void ScratchVolume::Detach() {
  if (mounted_) umount2(folder_.c_str(), MNT_DETACH);
  mounted_ = false;
}

}  // namespace tunelot::testing
