#include "platform/version_record.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/temp_dir.h"

namespace tunelot {
namespace {

TEST(FormatFileVersion, WritesFourDecimalNumbersWithoutLeadingZeros) {
  struct Case {
    std::uint32_t ms, ls;
    const char* expected;
  } cases[] = {
      {(1u << 16) | 0u, (0u << 16) | 3u, "1.0.0.3"},
      {(1u << 16) | 10u, (0u << 16) | 300u, "1.10.0.300"},
      {0xFFFFFFFFu, 0xFFFFFFFFu, "65535.65535.65535.65535"},
      {0u, 0u, "0.0.0.0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(FormatFileVersion(c.ms, c.ls), c.expected);
  }
}

TEST(ReadVersionString, ReadsTheRecordOfAProgramFile) {
  EXPECT_EQ(ReadVersionString(VERSION_FIXTURE_PATH), "1.10.0.300");
}

#ifdef TUNELOT_PROGRAM_PATH
TEST(ReadVersionString, ReadsTheProgramsOwnVersion) {
  EXPECT_EQ(ReadVersionString(TUNELOT_PROGRAM_PATH), "1.0.0.3");
}
#endif

TEST(ReadVersionString, GivesEmptyForFilesWithoutARecord) {
  testing::TempDir dir;
  testing::WriteFile(dir / "empty", "");
  testing::WriteFile(dir / "garbage", std::string("\x7f"
                                                  "ELF\x02\x01\x01 garbage that ends early",
                                                  32));
  testing::WriteFile(dir / "text", "not a program at all");
  const std::string fixture = testing::ReadFile(VERSION_FIXTURE_PATH);
  testing::WriteFile(dir / "truncated", fixture.substr(0, fixture.size() / 2));

  for (const char* name : {"empty", "garbage", "text", "truncated", "missing"}) {
    SCOPED_TRACE(name);
    EXPECT_EQ(ReadVersionString(dir / name), "");
  }
  EXPECT_EQ(ReadVersionString(dir.path()), "");
}

TEST(ReadVersionString, GivesEmptyForAProgramWithoutTheSection) {
  // The test program itself carries no version record.
  EXPECT_EQ(ReadVersionString(RunningProgramPath()), "");
}

TEST(ReadVersionString, SurvivesEveryCorruptedByteOfTheSectionTable) {
  const std::string fixture = testing::ReadFile(VERSION_FIXTURE_PATH);
  testing::TempDir dir;
  // Flip bytes across the ELF header, where offsets and counts live.
  for (std::size_t at = 0; at < 64; ++at) {
    std::string damaged = fixture;
    damaged[at] = static_cast<char>(damaged[at] ^ 0xFF);
    testing::WriteFile(dir / "damaged", damaged);
    const std::string version = ReadVersionString(dir / "damaged");
    EXPECT_TRUE(version.empty() || version == "1.10.0.300") << "byte " << at << ": " << version;
  }
}

}  // namespace
}  // namespace tunelot
