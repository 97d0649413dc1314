#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tunelot {

// Bytes of a volume; -1 when the volume could not be queried.
struct VolumeSpace {
  std::int64_t free = -1;
  std::int64_t total = -1;
};

// Where the free and total space of the output path's volume come from; a seam so tests can
// give chosen values.
class SpaceQuery {
 public:
  virtual ~SpaceQuery() = default;
  virtual VolumeSpace Query(const std::string& outputPath) = 0;
};

// Asks the system about the volume holding the output path, or its nearest existing parent
// folder while the path is still being typed; a blank path asks about the current folder.
// Free counts only the bytes this user may still write.
class SystemSpaceQuery : public SpaceQuery {
 public:
  VolumeSpace Query(const std::string& outputPath) override;
};

// The path whose volume stands for the output path's: the path made absolute, or its nearest
// existing parent when steps of it do not exist yet; the current folder for a blank path.
// Empty when the system refuses to look, for a name too long for instance.
std::optional<std::string> VolumeProbePath(const std::string& outputPath);

// The bytes of `blocks` blocks of `blockSize` bytes, capped at the largest int64.
std::int64_t BlocksToBytes(std::uint64_t blocks, std::uint64_t blockSize);

// Windows side: drives are named by number, 1 for A, 2 for B, ...; 0 is the current drive.

// The code of the first character that is not 0 to 32, as a capital for a to z, minus 64
// in 8-bit arithmetic; 0 for a blank path.
std::uint8_t DriveNumber(std::string_view path);

// "C:\" for 3; empty, the current drive, for 0.
std::string DriveRoot(std::uint8_t drive);

}  // namespace tunelot
