// Arbitrary clipboard text pasted with both path styles: every complete line becomes one
// selected entry, and the list copied back out pastes to the same paths.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/clipboard_text.h"
#include "fuzz_support.h"
#include "lists/file_list.h"

namespace tunelot::fuzz {
namespace {

void RequireWellFormed(const FileList& list, std::size_t appended, PathStyle style) {
  Require(list.Count() == appended, "the count appended is the count of new entries");
  const char* lineEnds = style == PathStyle::Windows ? "\r" : "\r\n";
  for (const Entry& entry : list.Entries()) {
    Require(entry.selected && entry.image == -1, "a pasted entry is selected, image -1");
    Require(entry.path.find_first_of(lineEnds) == std::string::npos, "a path holds no line end");
    Require(entry.path.find('\t') == std::string::npos, "a path holds no TAB");
    Require(entry.subItems.size() < list.ColumnCount(), "every field has its column");
  }
  if (appended > 0) {
    Require(list.FocusedIndex() == static_cast<std::ptrdiff_t>(appended - 1),
            "the last pasted entry has the focus mark");
  }
}

void PasteBothWays(const std::string& text, PathStyle style) {
  FileList list;
  std::size_t appended = 0;
  try {
    appended = PasteIntoList(list, text, style);
  } catch (const PasteError&) {
    Require(list.Empty(), "a refused paste changes nothing");
    return;
  }
  RequireWellFormed(list, appended, style);
  if (appended == 0) return;
  FileList again;
  Require(PasteIntoList(again, CopyText(list, style), style) == appended,
          "copied text pastes back to as many entries");
  for (std::size_t i = 0; i < appended; ++i) {
    Require(again.At(i).path == list.At(i).path, "copied text pastes back to the same paths");
  }
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(tunelot::fuzz::AsText(data, size));
  tunelot::fuzz::PasteBothWays(text, tunelot::PathStyle::Posix);
  tunelot::fuzz::PasteBothWays(text, tunelot::PathStyle::Windows);
  return 0;
}
