#include "platform/volume_space.h"

#include <cerrno>
#include <filesystem>
#include <limits>
#include <system_error>

#include <sys/stat.h>
#include <sys/statvfs.h>

namespace tunelot {
namespace {

bool IsControlOrSpace(char c) { return static_cast<unsigned char>(c) <= 32; }

bool IsBlank(std::string_view text) {
  for (char c : text) {
    if (!IsControlOrSpace(c)) return false;
  }
  return true;
}

std::optional<std::filesystem::path> StartingPath(const std::string& outputPath) {
  std::error_code error;
  std::filesystem::path path = IsBlank(outputPath) ? std::filesystem::current_path(error)
                                                   : std::filesystem::absolute(outputPath, error);
  if (error) return std::nullopt;
  return path;
}

// Missing steps are what a path still being typed has; any other refusal is a real failure.
bool NamesNoFolderYet(int error) { return error == ENOENT || error == ENOTDIR; }

}  // namespace

std::optional<std::string> VolumeProbePath(const std::string& outputPath) {
  const std::optional<std::filesystem::path> start = StartingPath(outputPath);
  if (!start) return std::nullopt;
  std::filesystem::path path = *start;
  while (true) {
    struct stat info {};
    if (stat(path.c_str(), &info) == 0) return path.string();
    const int error = errno;
    std::filesystem::path parent = path.parent_path();
    if (!NamesNoFolderYet(error) || parent.empty() || parent == path) return std::nullopt;
    path = std::move(parent);
  }
}

VolumeSpace SystemSpaceQuery::Query(const std::string& outputPath) {
  const std::optional<std::string> probe = VolumeProbePath(outputPath);
  struct statvfs info {};
  if (!probe || statvfs(probe->c_str(), &info) != 0) return {};
  return {BlocksToBytes(info.f_bavail, info.f_frsize), BlocksToBytes(info.f_blocks, info.f_frsize)};
}

std::int64_t BlocksToBytes(std::uint64_t blocks, std::uint64_t blockSize) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  if (blockSize != 0 && blocks > static_cast<std::uint64_t>(kMax) / blockSize) return kMax;
  return static_cast<std::int64_t>(blocks * blockSize);
}

std::uint8_t DriveNumber(std::string_view path) {
  for (char c : path) {
    if (IsControlOrSpace(c)) continue;
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return static_cast<std::uint8_t>(static_cast<unsigned char>(c) - 64);
  }
  return 0;
}

std::string DriveRoot(std::uint8_t drive) {
  if (drive == 0) return {};
  return std::string(1, static_cast<char>(static_cast<std::uint8_t>(drive + 64))) + ":\\";
}

}  // namespace tunelot
