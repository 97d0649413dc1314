#include "platform/path_style.h"

#include <gtest/gtest.h>

namespace tunelot {
namespace {

struct PathCase {
  PathStyle style;
  const char* path;
  const char* name;
  const char* folder;
  const char* extension;
};

TEST(PathStyle, SplitsNamesFoldersAndExtensionsByTheStyle) {
  const PathCase cases[] = {
      {PathStyle::Windows, "C:\\Music\\Song.mp3", "Song.mp3", "C:\\Music\\", ".mp3"},
      {PathStyle::Windows, "E:Song.mp3", "Song.mp3", "E:", ".mp3"},
      {PathStyle::Windows, "C:\\a.b\\song", "song", "C:\\a.b\\", ""},
      {PathStyle::Windows, "song", "song", "", ""},
      {PathStyle::Posix, "/music/a.b/song", "song", "/music/a.b/", ""},
      {PathStyle::Posix, "/music/back\\slash.mp3", "back\\slash.mp3", "/music/", ".mp3"},
      {PathStyle::Posix, "a:b.MP3", "a:b.MP3", "", ".MP3"},
      {PathStyle::Posix, "/x/.mp3", ".mp3", "/x/", ".mp3"},
      {PathStyle::Posix, "/x/dir/", "", "/x/dir/", ""},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(FileNamePart(c.path, c.style), c.name);
    EXPECT_EQ(FolderPart(c.path, c.style), c.folder);
    EXPECT_EQ(ExtensionPart(c.path, c.style), c.extension);
  }
}

TEST(AddTrailingBackslash, AppendsTheSeparatorOnlyWhenMissing) {
  struct Case {
    PathStyle style;
    const char* before;
    const char* after;
  } cases[] = {
      {PathStyle::Windows, "E:", "E:\\"},
      {PathStyle::Windows, "E:\\Music\\", "E:\\Music\\"},
      {PathStyle::Windows, "E:\\Music  ", "E:\\Music  \\"},
      {PathStyle::Windows, "", ""},
      {PathStyle::Posix, "/media/stick", "/media/stick/"},
      {PathStyle::Posix, "/media/stick/", "/media/stick/"},
      {PathStyle::Posix, "", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    std::string path = c.before;
    AddTrailingBackslash(path, c.style);
    EXPECT_EQ(path, c.after);
  }
}

}  // namespace
}  // namespace tunelot
