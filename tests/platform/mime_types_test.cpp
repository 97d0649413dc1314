#include "platform/mime_types.h"

#include <gtest/gtest.h>

#include "support/xdg_sandbox.h"

namespace tunelot {
namespace {

using testing::WriteFile;
using testing::XdgSandbox;
using Types = std::vector<std::string>;

TEST(MimeTypesTest, FindsTypesByTheBestGlob) {
  XdgSandbox sandbox;
  WriteFile(sandbox.DataHome() + "/mime/globs2",
            "80:audio/x-special:*.special.mp3\n"
            "50:text/x-csrc:*.c\n"
            "50:text/x-c++src:*.C:cs\n"
            "50:application/x-tar:*.tar\n"
            "50:application/x-compressed-tar:*.tar.gz\n"
            "40:application/gzip:*.gz\n"
            "bad line\n");
  struct Case {
    const char* path;
    Types types;
  };
  const Case cases[] = {
      {"/music/Song.mp3", {"audio/mpeg"}},
      {"/music/LOUD.MP3", {"audio/mpeg"}},
      {" leading blank.mp3", {"audio/mpeg"}},
      {"/music/a.special.mp3", {"audio/x-special"}},
      {"/music/track.ogg", {"audio/x-vorbis+ogg", "application/ogg"}},
      {"/src/main.c", {"text/x-csrc"}},
      {"/src/main.C", {"text/x-c++src"}},
      {"/x/archive.tar.gz", {"application/x-compressed-tar"}},
      {"/x/no-extension", {}},
      {"/x.mp3/inside", {}},
  };
  const XdgDirs dirs = XdgDirs::FromEnvironment();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(MimeTypesForFileName(dirs, c.path), c.types);
  }
}

TEST(MimeTypesTest, KnowsNoTypeWithoutADatabase) {
  testing::ScopedEnvironment env;
  testing::TempDir empty;
  env.Set("XDG_DATA_HOME", empty / "data");
  env.Set("XDG_DATA_DIRS", empty / "share");
  EXPECT_EQ(MimeTypesForFileName(XdgDirs::FromEnvironment(), "song.mp3"), Types());
}

}  // namespace
}  // namespace tunelot
