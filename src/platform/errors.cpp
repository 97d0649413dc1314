#include "platform/errors.h"

#include <cstring>
#include <filesystem>
#include <system_error>

namespace tunelot {

std::string SystemErrorText(int code) {
  std::string text = std::generic_category().message(code);
  while (!text.empty() &&
         (text.back() == ' ' || text.back() == '.' || text.back() == '\n' || text.back() == '\r')) {
    text.pop_back();
  }
  return text;
}

std::string AbsolutePath(const std::string& path) {
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  if (error) absolute = path;
  return absolute.lexically_normal().string();
}

}  // namespace tunelot
