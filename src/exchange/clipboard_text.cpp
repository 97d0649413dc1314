#include "exchange/clipboard_text.h"

#include <string_view>

namespace tunelot {
namespace {

std::string_view LineEnd(PathStyle style) { return style == PathStyle::Windows ? "\r\n" : "\n"; }

// The characters that can end a pasted line.
std::string_view LineEndStarts(PathStyle style) {
  return style == PathStyle::Windows ? "\r" : "\r\n";
}

Entry PastedEntry(FileList& list, std::string_view line) {
  Entry entry;
  entry.image = -1;
  entry.selected = true;
  std::size_t fields = 0;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    const std::string_view field = line.substr(start, tab - start);
    if (fields == 0) {
      entry.path = std::string(field);
    } else {
      entry.subItems.push_back(Cell{std::string(field), -1});
    }
    ++fields;
    if (fields > list.ColumnCount()) list.AddColumn();
    if (tab == std::string_view::npos) break;
    start = tab + 1;
  }
  return entry;
}

}  // namespace

std::string CopyText(const FileList& list, PathStyle style) {
  std::string text;
  for (const Entry& entry : list.Entries()) {
    text.append(entry.path);
    for (std::size_t column = 1; column < list.ColumnCount(); ++column) {
      text.push_back('\t');
      if (column <= entry.subItems.size()) text.append(entry.subItems[column - 1].text);
    }
    text.append(LineEnd(style));
  }
  return text;
}

std::size_t PasteIntoList(FileList& list, const std::string& text, PathStyle style) {
  const std::string_view ends = LineEndStarts(style);
  if (text.find_first_of(ends) == std::string::npos) throw PasteError();
  UpdateBracket bracket(list);
  std::size_t appended = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t end = text.find_first_of(ends, pos);
    if (end == std::string::npos) break;
    list.Append(PastedEntry(list, std::string_view(text).substr(pos, end - pos)));
    ++appended;
    // A CR is taken to start a CR LF pair, whatever follows it.
    pos = end + (text[end] == '\r' ? 2 : 1);
  }
  if (appended > 0) list.SetFocused(static_cast<std::ptrdiff_t>(list.Count() - 1));
  return appended;
}

}  // namespace tunelot
