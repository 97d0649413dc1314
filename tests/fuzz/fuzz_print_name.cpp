// LastPos on an arbitrary search text and text, and PrintName on an arbitrary path with
// both path styles, each checked against a plain reading of its rule.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/print_lines.h"
#include "fuzz_support.h"
#include "platform/path_style.h"

namespace tunelot::fuzz {
namespace {

// Occurrences taken one after the other from the start, without overlap.
std::size_t SlowLastPos(std::string_view search, std::string_view text) {
  if (search.empty()) return 0;
  std::size_t last = 0;
  std::size_t i = 0;
  while (i + search.size() <= text.size()) {
    if (text.substr(i, search.size()) == search) {
      last = i + 1;
      i += search.size();
    } else {
      ++i;
    }
  }
  return last;
}

void CheckLastPos(std::string_view search, std::string_view text) {
  const std::size_t pos = LastPos(search, text);
  Require(pos == SlowLastPos(search, text), "LastPos gives the last non-overlapping match");
  if (pos == 0) return;
  Require(pos + search.size() - 1 <= text.size(), "LastPos stays within the text");
  Require(text.substr(pos - 1, search.size()) == search, "LastPos points at a match");
}

void CheckPrintName(std::string_view path, PathStyle style) {
  std::string folder = FolderPart(path, style);
  AddTrailingBackslash(folder, style);
  const std::string name = FileNamePart(path, style);
  const std::size_t dot = name.rfind('.');
  const std::string stem = dot == std::string::npos ? std::string() : name.substr(0, dot);
  Require(PrintName(path, style) == folder + stem, "PrintName drops the name's extension");
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelot;
  using namespace tunelot::fuzz;
  const std::string_view input = AsText(data, size);
  CheckPrintName(input, PathStyle::Posix);
  CheckPrintName(input, PathStyle::Windows);
  if (input.empty()) return 0;
  // The first byte says how long the search text is, short as real ones are.
  const std::size_t searchLength = std::min<std::size_t>(data[0] % 8, input.size() - 1);
  CheckLastPos(input.substr(1, searchLength), input.substr(1 + searchLength));
  return 0;
}
