#include "platform/key_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "support/temp_dir.h"

namespace tunelot {
namespace {

using testing::TempDir;
using testing::WriteFile;

TEST(KeyFileTest, ReadsGroupsKeysAndRawValues) {
  TempDir dir;
  WriteFile(dir / "a.desktop",
            "# a comment\r\n"
            "[Desktop Entry]\r\n"
            "Name = My\\sPlayer\r\n"
            "Name[de]=Mein Spieler\n"
            "Exec=player %f\n"
            "Exec=second\n"
            "\n"
            "[Desktop Action Queue]\n"
            "Exec=player --enqueue %f\n"
            "not a key line\n");
  const std::optional<KeyFile> file = ReadKeyFile(dir / "a.desktop");
  ASSERT_TRUE(file);
  ASSERT_EQ(file->size(), 2u);
  const KeyFileGroup& entry = file->at("Desktop Entry");
  EXPECT_EQ(FindValue(entry, "Name"), "My\\sPlayer");
  EXPECT_EQ(FindValue(entry, "Name[de]"), "Mein Spieler");
  EXPECT_EQ(FindValue(entry, "Exec"), "player %f");  // the first of a doubled key
  EXPECT_EQ(FindValue(file->at("Desktop Action Queue"), "Exec"), "player --enqueue %f");
  EXPECT_EQ(FindValue(entry, "Icon"), std::nullopt);
}

TEST(KeyFileTest, RefusesWhatIsNoReadableRegularFile) {
  TempDir dir;
  EXPECT_FALSE(ReadKeyFile(dir / "missing.desktop"));
  EXPECT_FALSE(ReadKeyFile(dir.path()));
  // A FIFO must not be waited on.
  ASSERT_EQ(mkfifo((dir / "fifo.desktop").c_str(), 0600), 0);
  EXPECT_FALSE(ReadKeyFile(dir / "fifo.desktop"));
}

TEST(KeyFileTest, UnescapesStringValues) {
  EXPECT_EQ(UnescapeValue("a\\sb\\tc\\nd\\re\\\\f"), "a b\tc\nd\re\\f");
  EXPECT_EQ(UnescapeValue("100% \\x"), "100% \\x");
  EXPECT_EQ(UnescapeValue("ends in \\"), "ends in \\");
}

TEST(KeyFileTest, SplitsListValuesAtUnescapedSemicolons) {
  struct Case {
    const char* raw;
    std::vector<std::string> items;
  };
  const Case cases[] = {
      {"audio/mpeg;audio/ogg;", {"audio/mpeg", "audio/ogg"}},
      {"a\\;b;c", {"a;b", "c"}},
      {"a\\\\;b", {"a\\", "b"}},
      {";;", {}},
      {"one\\stwo", {"one two"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.raw);
    EXPECT_EQ(SplitListValue(c.raw), c.items);
  }
}

TEST(KeyFileTest, BooleanIsTrueOnlyForTrue) {
  const KeyFileGroup group{{"A", "true"}, {"B", "false"}, {"C", "1"}, {"D", "True"}};
  EXPECT_TRUE(BooleanValue(group, "A"));
  for (const char* key : {"B", "C", "D", "E"}) EXPECT_FALSE(BooleanValue(group, key)) << key;
}

}  // namespace
}  // namespace tunelot
