#include "platform/folder_listing.h"

#include <cerrno>
#include <cstring>
#include <utility>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tunelot {
namespace {

constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_CLOEXEC;

enum class EntryKind { Folder, Other, Unreachable };

bool IsDotOrDotDot(const char* name) {
  return std::strcmp(name, ".") == 0 || std::strcmp(name, "..") == 0;
}

bool LeadsNowhere(int error) { return error == ENOENT || error == ENOTDIR || error == ELOOP; }

// Asks the file system itself only when the listing does not say, or names a link.
EntryKind KindOf(int folder, const dirent& entry) {
  if (entry.d_type == DT_DIR) return EntryKind::Folder;
  if (entry.d_type != DT_LNK && entry.d_type != DT_UNKNOWN) return EntryKind::Other;
  struct stat info {};
  if (fstatat(folder, entry.d_name, &info, 0) == 0) {
    return S_ISDIR(info.st_mode) ? EntryKind::Folder : EntryKind::Other;
  }
  return LeadsNowhere(errno) ? EntryKind::Unreachable : EntryKind::Other;
}

}  // namespace

std::optional<OpenFolder> OpenFolder::Open(const std::string& path) {
  // The system would stop reading the path at a NUL and open some other folder.
  if (path.find('\0') != std::string::npos) return std::nullopt;
  return FromDescriptor(open(path.c_str(), kFolderFlags));
}

std::optional<OpenFolder> OpenFolder::OpenChild(const std::string& name) const {
  if (name.find('\0') != std::string::npos) return std::nullopt;
  return FromDescriptor(openat(descriptor_, name.c_str(), kFolderFlags));
}

std::optional<OpenFolder> OpenFolder::FromDescriptor(int descriptor) {
  if (descriptor < 0) return std::nullopt;
  struct stat info {};
  if (fstat(descriptor, &info) != 0) {
    close(descriptor);
    return std::nullopt;
  }
  return OpenFolder(descriptor, FolderId{static_cast<std::uint64_t>(info.st_dev),
                                         static_cast<std::uint64_t>(info.st_ino)});
}

OpenFolder::OpenFolder(OpenFolder&& other) noexcept
    : descriptor_(std::exchange(other.descriptor_, -1)), id_(other.id_) {}

OpenFolder& OpenFolder::operator=(OpenFolder&& other) noexcept {
  if (this != &other) {
    if (descriptor_ >= 0) close(descriptor_);
    descriptor_ = std::exchange(other.descriptor_, -1);
    id_ = other.id_;
  }
  return *this;
}

OpenFolder::~OpenFolder() {
  if (descriptor_ >= 0) close(descriptor_);
}

std::vector<FolderEntry> OpenFolder::ReadEntries() const {
  std::vector<FolderEntry> entries;
  // The stream takes its descriptor over; ours stays open for the folders below.
  const int streamDescriptor = fcntl(descriptor_, F_DUPFD_CLOEXEC, 0);
  if (streamDescriptor < 0) return entries;
  DIR* stream = fdopendir(streamDescriptor);
  if (stream == nullptr) {
    close(streamDescriptor);
    return entries;
  }
  // The copy shares the reading position with ours: start from the first entry.
  rewinddir(stream);
  while (const dirent* entry = readdir(stream)) {
    if (IsDotOrDotDot(entry->d_name)) continue;
    const EntryKind kind = KindOf(descriptor_, *entry);
    if (kind != EntryKind::Unreachable) {
      entries.push_back({entry->d_name, kind == EntryKind::Folder});
    }
  }
  closedir(stream);
  return entries;
}

}  // namespace tunelot
