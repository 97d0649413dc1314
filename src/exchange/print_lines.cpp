#include "exchange/print_lines.h"

namespace tunelot {

std::size_t LastPos(std::string_view search, std::string_view text) {
  if (search.empty() || text.empty()) return 0;
  std::size_t last = 0;
  std::size_t from = 0;
  while (from < text.size()) {
    const std::size_t at = text.find(search, from);
    if (at == std::string_view::npos) break;
    last = at + 1;
    from = at + search.size();
  }
  return last;
}

std::string PrintName(std::string_view path, PathStyle style) {
  std::string result = FolderPart(path, style);
  AddTrailingBackslash(result, style);
  const std::string name = FileNamePart(path, style);
  const std::size_t dot = LastPos(".", name);
  if (dot > 1) result.append(name, 0, dot - 1);
  return result;
}

std::vector<std::string> PrintLines(const FileList& list, PathStyle style) {
  std::vector<std::string> lines;
  lines.reserve(list.Count());
  for (const Entry& entry : list.Entries()) {
    lines.push_back(PrintName(FileNamePart(entry.path, style), style));
  }
  return lines;
}

}  // namespace tunelot
