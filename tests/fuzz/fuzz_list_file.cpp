// A list file of arbitrary bytes: the reader either fills the list or gives its message,
// and whatever it read saves and reads back to the same rows.
#include <cstddef>
#include <cstdint>

#include "exchange/list_file.h"
#include "fuzz_support.h"
#include "lists/file_list.h"
#include "platform/errors.h"

namespace tunelot::fuzz {
namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

void RequireSameRows(const FileList& read, const FileList& reread) {
  Require(reread.Count() == read.Count(), "a saved list reads back with as many rows");
  Require(reread.ColumnCount() == read.ColumnCount(), "a saved list keeps its columns");
  for (std::size_t i = 0; i < read.ColumnCount(); ++i) {
    Require(reread.ColumnAt(i).width == read.ColumnAt(i).width, "a saved list keeps its widths");
  }
  for (std::size_t row = 0; row < read.Count(); ++row) {
    const Entry& before = read.At(row);
    const Entry& after = reread.At(row);
    Require(after.path == before.path, "a saved list reads back to the same paths");
    if (!before.path.empty()) Require(after.image == before.image, "a path keeps its image");
    for (std::size_t column = 1; column < read.ColumnCount(); ++column) {
      Require(after.subItems.at(column - 1).text == before.subItems.at(column - 1).text,
              "a saved list keeps the texts of further columns");
    }
  }
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelot;
  using namespace tunelot::fuzz;
  const std::string path = Scratch().Write("list.txt", AsText(data, size));
  FileList read;
  try {
    ReadListFile(read, path);
  } catch (const ListFileError& error) {
    Require(error.what()[0] != '\0', "a refused list file has a message");
    return 0;
  }
  for (const Entry& entry : read.Entries()) {
    Require(entry.path.find_first_of("\r\x1a") == std::string::npos,
            "a read path holds no CR and no Ctrl-Z");
  }
  const std::string saved = Scratch().PathOf("saved.txt");
  WriteListFile(read, saved);
  FileList reread;
  ReadListFile(reread, saved);
  RequireSameRows(read, reread);
  return 0;
}
