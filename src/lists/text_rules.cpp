#include "lists/text_rules.h"

namespace tunelot {
namespace {

bool IsControlOrSpace(char c) { return static_cast<unsigned char>(c) <= 32; }

}  // namespace

std::string_view TrimControls(std::string_view text) {
  std::size_t begin = 0;
  std::size_t end = text.size();
  while (begin < end && IsControlOrSpace(text[begin])) ++begin;
  while (end > begin && IsControlOrSpace(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

bool IsBlank(std::string_view text) { return TrimControls(text).empty(); }

}  // namespace tunelot
