#include "platform/path_style.h"

namespace tunelot {
namespace {

std::size_t LastDelimiter(std::string_view path, PathStyle style) {
  for (std::size_t i = path.size(); i > 0; --i) {
    if (IsDelimiter(path[i - 1], style)) return i - 1;
  }
  return std::string_view::npos;
}

}  // namespace

char PathSeparator(PathStyle style) { return style == PathStyle::Windows ? '\\' : '/'; }

bool IsDelimiter(char c, PathStyle style) {
  return style == PathStyle::Windows ? (c == '\\' || c == ':') : c == '/';
}

std::string FileNamePart(std::string_view path, PathStyle style) {
  const std::size_t last = LastDelimiter(path, style);
  return std::string(last == std::string_view::npos ? path : path.substr(last + 1));
}

std::string FolderPart(std::string_view path, PathStyle style) {
  const std::size_t last = LastDelimiter(path, style);
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

std::string ExtensionPart(std::string_view path, PathStyle style) {
  const std::size_t last = LastDelimiter(path, style);
  const std::size_t start = last == std::string_view::npos ? 0 : last + 1;
  const std::size_t dot = path.rfind('.');
  if (dot == std::string_view::npos || dot < start) return {};
  return std::string(path.substr(dot));
}

void AddTrailingBackslash(std::string& path, PathStyle style) {
  if (!path.empty() && path.back() != PathSeparator(style)) path += PathSeparator(style);
}

}  // namespace tunelot
