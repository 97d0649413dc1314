#include "platform/folder_listing.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "support/temp_dir.h"

namespace tunelot {
namespace {

namespace fs = std::filesystem;
using Listing = std::vector<std::pair<std::string, bool>>;

Listing SortedListing(const OpenFolder& folder) {
  Listing listing;
  for (const FolderEntry& entry : folder.ReadEntries()) {
    listing.emplace_back(entry.name, entry.isFolder);
  }
  std::sort(listing.begin(), listing.end());
  return listing;
}

TEST(OpenFolder, OpensOnlyFolders) {
  testing::TempDir dir;
  testing::WriteFile(dir / "sub/a.mp3", "x");
  fs::create_directory_symlink(dir / "sub", dir / "link");
  fs::create_symlink(dir / "missing", dir / "dangling");
  const struct {
    const char* name;
    std::string path;
    bool opens;
  } cases[] = {
      {"folder", dir / "sub", true},
      {"folder with separator", dir / "sub/", true},
      {"link to a folder", dir / "link/", true},
      {"file", dir / "sub/a.mp3", false},
      {"path through a file", dir / "sub/a.mp3/x/", false},
      {"missing", dir / "missing/", false},
      {"dangling link", dir / "dangling/", false},
      {"empty", "", false},
      {"NUL inside", dir / std::string("sub\0/", 5), false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_EQ(OpenFolder::Open(c.path).has_value(), c.opens);
  }
}

TEST(OpenFolder, ListsEveryEntryWithWhatItLeadsTo) {
  testing::TempDir dir;
  testing::WriteFile(dir / "a.mp3", "x");
  testing::WriteFile(dir / ".hidden", "x");
  testing::WriteFile(dir / "sub/b.mp3", "x");
  fs::create_directory(dir / ".hidden folder");
  fs::create_directory_symlink(dir / "sub", dir / "to sub");
  fs::create_symlink(dir / "a.mp3", dir / "to a.mp3");
  fs::create_symlink(dir / "missing", dir / "dangling");
  fs::create_symlink("loop", dir / "loop");
  const std::optional<OpenFolder> folder = OpenFolder::Open(dir.path());
  ASSERT_TRUE(folder);
  const Listing expected = {{".hidden", false}, {".hidden folder", true}, {"a.mp3", false},
                            {"sub", true},      {"to a.mp3", false},      {"to sub", true}};
  EXPECT_EQ(SortedListing(*folder), expected);
  EXPECT_EQ(SortedListing(*folder), expected);
}

TEST(OpenFolder, OpensFoldersBelowByName) {
  testing::TempDir dir;
  testing::WriteFile(dir / "sub/deeper/b.mp3", "x");
  fs::create_directory_symlink(dir / "sub", dir / "link");
  const std::optional<OpenFolder> top = OpenFolder::Open(dir.path());
  ASSERT_TRUE(top);
  const std::optional<OpenFolder> sub = top->OpenChild("sub");
  ASSERT_TRUE(sub);
  EXPECT_EQ(SortedListing(*sub), (Listing{{"deeper", true}}));
  EXPECT_FALSE(sub->OpenChild("missing"));
  EXPECT_FALSE(sub->OpenChild("deeper/b.mp3"));
  EXPECT_FALSE(sub->OpenChild(std::string("deeper\0", 7)));

  const std::optional<OpenFolder> viaLink = top->OpenChild("link");
  ASSERT_TRUE(viaLink);
  EXPECT_EQ(viaLink->Id(), sub->Id());
  EXPECT_NE(top->Id(), sub->Id());
}

TEST(OpenFolder, MovedFolderKeepsItsDescriptor) {
  testing::TempDir dir;
  testing::WriteFile(dir / "sub/a.mp3", "x");
  std::optional<OpenFolder> first = OpenFolder::Open(dir / "sub");
  std::optional<OpenFolder> other = OpenFolder::Open(dir.path());
  ASSERT_TRUE(first && other);
  const FolderId id = first->Id();
  OpenFolder moved = std::move(*first);
  first.reset();
  EXPECT_EQ(moved.Id(), id);
  EXPECT_EQ(SortedListing(moved), (Listing{{"a.mp3", false}}));

  *other = std::move(moved);
  EXPECT_EQ(other->Id(), id);
  EXPECT_EQ(SortedListing(*other), (Listing{{"a.mp3", false}}));
}

}  // namespace
}  // namespace tunelot
