#include "lists/folder_scan.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <climits>
#include <filesystem>
#include <string>
#include <vector>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "support/temp_dir.h"

#include "support/list_builders.h"

#include "support/scan_results.h"

namespace tunelot {
namespace {

using testing::CountingObserver;

namespace fs = std::filesystem;
using Paths = std::vector<std::string>;

using testing::Scan;
using testing::Sorted;

Paths ListedNames(const std::string& folder) {
  Paths names;
  DIR* stream = opendir(folder.c_str());
  if (stream == nullptr) return names;
  while (const dirent* entry = readdir(stream)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  closedir(stream);
  return names;
}

bool EndsInMp3(const std::string& name) {
  if (name.size() < 4) return false;
  std::string tail = name.substr(name.size() - 4);
  std::transform(tail.begin(), tail.end(), tail.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return tail == ".mp3";
}

// Walks a tree without links the way the scan should: depth first, in listing order.
void ExpectedScan(const std::string& folderPath, Paths& expected) {
  for (const std::string& name : ListedNames(folderPath)) {
    const std::string path = folderPath + name;
    if (fs::is_directory(path)) {
      ExpectedScan(path + "/", expected);
    } else if (EndsInMp3(name)) {
      expected.push_back(path);
    }
  }
}

// Runs the test inside another current folder and goes back afterwards.
class CurrentFolder {
 public:
  explicit CurrentFolder(const std::string& path) : previous_(fs::current_path()) {
    fs::current_path(path);
  }
  ~CurrentFolder() { fs::current_path(previous_); }

 private:
  fs::path previous_;
};

// Makes `levels` nested folders below `top` one step at a time, since their full path is
// too long for the system to take at once; puts `file` in the last. Gives the path text.
std::string MakeDeepTree(const std::string& top, int levels, const std::string& name,
                         const std::string& file) {
  int folder = open(top.c_str(), O_RDONLY | O_DIRECTORY);
  std::string path = top;
  for (int level = 0; level < levels && folder >= 0; ++level) {
    mkdirat(folder, name.c_str(), 0755);
    const int below = openat(folder, name.c_str(), O_RDONLY | O_DIRECTORY);
    close(folder);
    folder = below;
    path += "/" + name;
  }
  if (folder < 0) return {};
  close(openat(folder, file.c_str(), O_CREAT | O_WRONLY, 0644));
  close(folder);
  return path + "/" + file;
}

TEST(ScanFolderPath, AddsOneSeparatorToTheTextAsTyped) {
  const struct {
    const char* boxText;
    PathStyle style;
    const char* folderPath;
  } cases[] = {
      {"/home/u/Music", PathStyle::Posix, "/home/u/Music/"},
      {"/home/u/Music/", PathStyle::Posix, "/home/u/Music//"},
      {" Music ", PathStyle::Posix, " Music /"},
      {"Music", PathStyle::Posix, "Music/"},
      {"C:\\Music", PathStyle::Windows, "C:\\Music\\"},
      {"C:\\Music\\", PathStyle::Windows, "C:\\Music\\\\"},
      {"C:\\", PathStyle::Windows, "C:\\\\"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.boxText);
    EXPECT_EQ(ScanFolderPath(c.boxText, c.style), c.folderPath);
  }
}

TEST(HasExtension, ComparesTheTrimmedCapitalisedExtension) {
  const struct {
    const char* path;
    const char* extension;
    PathStyle style;
    bool matches;
  } cases[] = {
      {"/m/a.mp3", ".MP3", PathStyle::Posix, true},
      {"/m/b.MP3", ".MP3", PathStyle::Posix, true},
      {"/m/c.Mp3", ".MP3", PathStyle::Posix, true},
      {"/m/.mp3", ".MP3", PathStyle::Posix, true},
      {"/m/d.mp3.bak", ".MP3", PathStyle::Posix, false},
      {"/m/e.wav", ".MP3", PathStyle::Posix, false},
      {"/m/mp3", ".MP3", PathStyle::Posix, false},
      {"/m/y.mp3/song", ".MP3", PathStyle::Posix, false},
      {"/m/f.mp3 \t", ".MP3", PathStyle::Posix, true},
      {"/m/g. mp3", ".MP3", PathStyle::Posix, false},
      {"/m/h.mp3", " .mp3\n", PathStyle::Posix, true},
      {"/m/i.mp\xC3\xA9", ".MP\xC3\x89", PathStyle::Posix, false},
      {"x.mp3:song", ".mp3:song", PathStyle::Posix, true},
      {"x.mp3:song", ".mp3:song", PathStyle::Windows, false},
      {"x:y.mp3", ".MP3", PathStyle::Windows, true},
      {"C:\\a.b\\song", ".MP3", PathStyle::Windows, false},
      {"C:\\a.b\\song", ".B", PathStyle::Windows, false},
      {"C:\\Music\\\\a.mp3", ".MP3", PathStyle::Windows, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.path);
    EXPECT_EQ(HasExtension(c.path, c.extension, c.style), c.matches);
  }
}

TEST(ScanFolder, FindsFilesByExtensionInEveryFolderHiddenOnesIncluded) {
  testing::TempDir dir;
  for (const char* name : {"a.mp3", "b.MP3", "c.Mp3", "d.mp3.bak", "e.wav", ".mp3", "y.mp3/x.mp3",
                           ".h.mp3", ".hidden/z.mp3", "sub/deeper/f.mp3", "sub/g.txt"}) {
    testing::WriteFile(dir / name, "x");
  }
  fs::create_directory(dir / "empty.mp3");
  const std::string top = dir.path() + "/";
  EXPECT_EQ(Sorted(Scan(top)),
            Sorted({top + "a.mp3", top + "b.MP3", top + "c.Mp3", top + ".mp3", top + "y.mp3/x.mp3",
                    top + ".h.mp3", top + ".hidden/z.mp3", top + "sub/deeper/f.mp3"}));
}

TEST(ScanFolder, ListsDepthFirstInTheFileSystemsOrder) {
  testing::TempDir dir;
  for (const char* folder : {"", "k/", "b/", "k/q/", "k/a/", "z/"}) {
    for (const char* name : {"m.mp3", "c.mp3", "x.mp3", "a.mp3", "n.wav", "t.mp3"}) {
      testing::WriteFile(dir / (std::string(folder) + name), "x");
    }
  }
  const std::string top = dir.path() + "/";
  Paths expected;
  ExpectedScan(top, expected);
  ASSERT_EQ(expected.size(), 30u);
  EXPECT_EQ(Scan(top), expected);
}

TEST(ScanFolder, InputThatIsNoReadableFolderFindsNothing) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  for (const std::string& input : {dir / "missing/", dir / "a.mp3/", dir / "a.mp3/below/",
                                   std::string(), dir.path() + std::string("\0/", 2)}) {
    SCOPED_TRACE(input);
    Paths found;
    EXPECT_NO_THROW(ScanFolder(input, ".MP3", found));
    EXPECT_TRUE(found.empty());
  }
}

TEST(ScanFolder, EndsAtLinksBackToAnAncestor) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  testing::WriteFile(dir / "sub/b.mp3", "x");
  fs::create_directory_symlink(dir.path(), dir / "sub/back");
  fs::create_directory_symlink("..", dir / "sub/up");
  fs::create_directory_symlink(".", dir / "sub/self");
  const std::string top = dir.path() + "/";
  EXPECT_EQ(Sorted(Scan(top)), Sorted({top + "a.mp3", top + "sub/b.mp3"}));
}

TEST(ScanFolder, SearchesEachFolderOnceHoweverManyLinksLeadThere) {
  testing::TempDir dir;
  testing::TempDir elsewhere;
  testing::WriteFile(elsewhere / "o.mp3", "x");
  fs::create_directory_symlink(elsewhere.path(), dir / "outside");
  // Each level links twice to the next: followed blindly, 2^12 ways lead to the bottom.
  const int levels = 12;
  for (int level = 0; level < levels; ++level) {
    const std::string folder = dir / ("f" + std::to_string(level));
    const std::string next = dir / ("f" + std::to_string(level + 1));
    fs::create_directories(folder);
    fs::create_directories(next);
    fs::create_directory_symlink(next, folder + "/left");
    fs::create_directory_symlink(next, folder + "/right");
  }
  testing::WriteFile(dir / ("f" + std::to_string(levels) + "/bottom.mp3"), "x");

  const Paths found = Scan(dir.path() + "/");
  const auto bottoms = std::count_if(found.begin(), found.end(), [](const std::string& path) {
    return path.ends_with("/bottom.mp3");
  });
  EXPECT_EQ(bottoms, 1);
  EXPECT_EQ(found.size(), 2u);
  EXPECT_NE(std::find(found.begin(), found.end(), dir.path() + "/outside/o.mp3"), found.end());
}

TEST(ScanFolder, LeavesOutLinksThatLeadNowhere) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  fs::create_symlink(dir / "a.mp3", dir / "alias.mp3");
  fs::create_symlink(dir / "missing.mp3", dir / "gone.mp3");
  fs::create_symlink("loop.mp3", dir / "loop.mp3");
  fs::create_symlink("a.mp3/below.mp3", dir / "through.mp3");
  const std::string top = dir.path() + "/";
  EXPECT_EQ(Sorted(Scan(top)), Sorted({top + "a.mp3", top + "alias.mp3"}));
}

TEST(ScanFolder, RelativeInputKeepsItsFormAndItsBlanks) {
  testing::TempDir dir;
  testing::WriteFile(dir / "music/a.mp3", "x");
  testing::WriteFile(dir / "music/sub/b.mp3", "x");
  testing::WriteFile(dir / " spaced /c.mp3", "x");
  CurrentFolder inside(dir.path());
  EXPECT_EQ(Sorted(Scan(ScanFolderPath("music"))), Sorted({"music/a.mp3", "music/sub/b.mp3"}));
  EXPECT_EQ(Scan(ScanFolderPath(" spaced ")), Paths{" spaced /c.mp3"});
  EXPECT_TRUE(Scan(ScanFolderPath("spaced")).empty());
}

TEST(ScanFolder, FolderPathEndingInTheSeparatorListsEveryFileAgain) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  testing::WriteFile(dir / "sub/b.mp3", "x");
  FileList input;
  EXPECT_EQ(AppendNewPaths(input, Scan(ScanFolderPath(dir.path()))), 2u);
  const Paths doubled = Scan(ScanFolderPath(dir.path() + "/"));
  EXPECT_EQ(Sorted(doubled), Sorted({dir.path() + "//a.mp3", dir.path() + "//sub/b.mp3"}));
  EXPECT_EQ(AppendNewPaths(input, doubled), 2u);
  EXPECT_EQ(input.Count(), 4u);
}

TEST(ScanFolder, UnreadableSubfolderAddsNothing) {
  if (geteuid() == 0) GTEST_SKIP() << "running as root: permission bits do not stop reading";
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  testing::WriteFile(dir / "locked/b.mp3", "x");
  testing::WriteFile(dir / "open/c.mp3", "x");
  fs::permissions(dir / "locked", fs::perms::none);
  const std::string top = dir.path() + "/";
  EXPECT_EQ(Sorted(Scan(top)), Sorted({top + "a.mp3", top + "open/c.mp3"}));
}

TEST(ScanFolder, ListsTreesDeeperThanThePathLimit) {
  testing::TempDir dir;
  testing::WriteFile(dir / "top.mp3", "x");
  const std::string deep = MakeDeepTree(dir.path(), 500, "level-0123", "deep.mp3");
  ASSERT_GT(deep.size(), static_cast<std::size_t>(PATH_MAX));
  const std::string top = dir.path() + "/";
  EXPECT_EQ(Sorted(Scan(top)), Sorted({top + "top.mp3", deep}));
}

TEST(AppendNewPaths, AppendsOnlyPathsTheListLacks) {
  FileList input;
  input.Append(Entry(" /M/A.MP3"));
  input.SetSelected(0, true);
  CountingObserver seen;
  input.AddObserver(&seen);
  const Paths found = {"/m/a.mp3", "/m/b.mp3", "/M/B.mp3", "/m/c.mp3", "/m/b.mp3", "/m//c.mp3"};
  EXPECT_EQ(AppendNewPaths(input, found), 3u);
  ASSERT_EQ(input.Count(), 4u);
  EXPECT_EQ(input.At(1).path, "/m/b.mp3");
  EXPECT_EQ(input.At(2).path, "/m/c.mp3");
  EXPECT_EQ(input.At(3).path, "/m//c.mp3");
  for (std::size_t i = 1; i < input.Count(); ++i) {
    EXPECT_EQ(input.At(i).image, 0);
    EXPECT_FALSE(input.At(i).selected);
    EXPECT_TRUE(input.At(i).subItems.empty());
  }
  EXPECT_TRUE(input.At(0).selected);
  EXPECT_EQ(seen.entries, 1);
  EXPECT_EQ(seen.Total(), 1);

  EXPECT_EQ(AppendNewPaths(input, found), 0u);
  EXPECT_EQ(input.Count(), 4u);
  EXPECT_EQ(seen.Total(), 1);
}

TEST(AppendNewPaths, ASecondScanOfTheSameFolderAddsNothing) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  testing::WriteFile(dir / "sub/b.mp3", "x");
  FileList input;
  const std::string top = ScanFolderPath(dir.path());
  EXPECT_EQ(AppendNewPaths(input, Scan(top)), 2u);
  testing::WriteFile(dir / "sub/c.mp3", "x");
  EXPECT_EQ(AppendNewPaths(input, Scan(top)), 1u);
  EXPECT_EQ(AppendNewPaths(input, Scan(top)), 0u);
  EXPECT_EQ(input.Count(), 3u);
}

}  // namespace
}  // namespace tunelot
