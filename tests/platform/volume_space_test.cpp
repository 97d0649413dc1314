#include "platform/volume_space.h"

#include <cstdint>
#include <filesystem>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "support/temp_dir.h"

namespace tunelot {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(VolumeProbePathTest, StandsInWithTheNearestExistingPath) {
  TempDir dir;
  WriteFile(dir / "song.mp3", "x");
  struct Case {
    std::string typed;
    std::string probe;
  };
  const Case cases[] = {
      {dir.path(), dir.path()},
      {dir / "new", dir.path()},
      {dir / "new/deeper/still", dir.path()},
      {dir / "new/", dir.path()},
      {dir / "song.mp3", dir / "song.mp3"},
      {dir / "song.mp3/under/a/file", dir / "song.mp3"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(VolumeProbePath(c.typed), c.probe);
  }
}

TEST(VolumeProbePathTest, BlankAndRelativePathsResolveAgainstTheCurrentFolder) {
  const std::string current = std::filesystem::current_path().string();
  for (const std::string typed : {"", "  \t", "no-such-folder-here/nor/this"}) {
    SCOPED_TRACE("\"" + typed + "\"");
    EXPECT_EQ(VolumeProbePath(typed), current);
  }
}

TEST(VolumeProbePathTest, ANameTooLongHasNoVolume) {
  TempDir dir;
  EXPECT_EQ(VolumeProbePath(dir / std::string(300, 'n')), std::nullopt);
  EXPECT_EQ(VolumeProbePath(dir / (std::string(300, 'n') + "/child")), std::nullopt);
}

TEST(SystemSpaceQueryTest, GivesTheVolumeOfARealFolder) {
  TempDir dir;
  SystemSpaceQuery query;
  const VolumeSpace space = query.Query(dir.path());
  EXPECT_GE(space.free, 0);
  EXPECT_GT(space.total, 0);
  EXPECT_LE(space.free, space.total);
}

TEST(SystemSpaceQueryTest, APathBeingTypedGivesItsParentsVolume) {
  TempDir dir;
  SystemSpaceQuery query;
  const VolumeSpace folder = query.Query(dir.path());
  // Free space moves with other writers on the volume; its size does not.
  EXPECT_EQ(query.Query(dir / "not/yet/there").total, folder.total);
  EXPECT_GT(query.Query("").total, 0);
}

TEST(SystemSpaceQueryTest, AFailedQueryGivesMinusOneForBoth) {
  TempDir dir;
  SystemSpaceQuery query;
  const VolumeSpace space = query.Query(dir / std::string(300, 'n'));
  EXPECT_EQ(space.free, -1);
  EXPECT_EQ(space.total, -1);
}

TEST(BlocksToBytesTest, MultipliesAndCapsAtTheLargestInt64) {
  constexpr std::int64_t kMax = std::numeric_limits<std::int64_t>::max();
  struct Case {
    std::uint64_t blocks;
    std::uint64_t blockSize;
    std::int64_t bytes;
  };
  const Case cases[] = {
      {0, 4096, 0},
      {10, 4096, 40960},
      {5, 0, 0},
      {(std::uint64_t{1} << 51) - 1, 4096, kMax - 4095},
      {std::uint64_t{1} << 51, 4096, kMax},
      {std::numeric_limits<std::uint64_t>::max(), 1, kMax},
      {std::numeric_limits<std::uint64_t>::max(), 4096, kMax},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.blocks) + " x " + std::to_string(c.blockSize));
    EXPECT_EQ(BlocksToBytes(c.blocks, c.blockSize), c.bytes);
  }
}

TEST(DriveNumberTest, FollowsTheFirstNonBlankCharacter) {
  struct Case {
    std::string path;
    int drive;
  };
  const Case cases[] = {
      {"E:\\x", 5},
      {"c", 3},
      {"C:\\Music", 3},
      {"A", 1},
      {"z:", 26},
      {"@", 0},
      {"\\\\server\\share", 92 - 64},
      {"", 0},
      {" \t\r\n", 0},
      {"  e", 5},
      {std::string("\0\x1f"
                   "e",
                   3),
       5},
      {"1", 49 - 64 + 256},
      {"\xe9", 0xe9 - 64},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("\"" + c.path + "\"");
    EXPECT_EQ(DriveNumber(c.path), c.drive);
  }
}

TEST(DriveRootTest, NamesTheDriveOrNothingForTheCurrentOne) {
  EXPECT_EQ(DriveRoot(0), "");
  EXPECT_EQ(DriveRoot(1), "A:\\");
  EXPECT_EQ(DriveRoot(3), "C:\\");
  EXPECT_EQ(DriveRoot(26), "Z:\\");
  EXPECT_EQ(DriveRoot(28), "\\:\\");
  EXPECT_EQ(DriveRoot(241), "1:\\");
  EXPECT_EQ(DriveRoot(DriveNumber("e:\\music")), "E:\\");
}

}  // namespace
}  // namespace tunelot
