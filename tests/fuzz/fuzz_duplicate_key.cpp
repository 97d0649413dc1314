// The duplicate-test key and the extension test on arbitrary paths: the key is its own key,
// ignores blanks at the ends and ASCII case, and the extension test agrees with it.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "fuzz_support.h"
#include "lists/duplicate_test.h"
#include "lists/file_list.h"
#include "lists/folder_scan.h"
#include "platform/path_style.h"

namespace tunelot::fuzz {
namespace {

bool IsBlankByte(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

void CheckKey(std::string_view path) {
  const std::string key = DuplicateKey(path);
  Require(DuplicateKey(key) == key, "the key is its own key");
  Require(key.size() <= path.size(), "the key never grows");
  Require(key.empty() || (!IsBlankByte(key.front()) && !IsBlankByte(key.back())),
          "the key has no blanks at its ends");
  Require(key.find_first_of("abcdefghijklmnopqrstuvwxyz") == std::string::npos,
          "the key has no small ASCII letters");
  Require(DuplicateKey(AsciiLower(path)) == key, "ASCII case does not count");
  Require(DuplicateKey(" \t\x01" + std::string(path) + "\r\n ") == key,
          "blanks at the ends do not count");
  FileList list;
  list.Append(Entry(std::string(path)));
  Require(ListContains(key, list), "a list holds a path by its key");
  Require(DuplicateSet(list).Contains(key), "the set agrees with the plain test");
}

void CheckExtension(std::string_view path, std::string_view extension, PathStyle style) {
  Require(HasExtension(path, ExtensionPart(path, style), style), "a path has its own extension");
  Require(HasExtension(std::string(path) + ".mP3", ".MP3", style), "a song's name is found");
  const bool has = HasExtension(path, extension, style);
  Require(HasExtension(path, AsciiLower(extension), style) == has, "ASCII case does not count");
  Require(HasExtension(path, " " + std::string(extension) + "\t", style) == has,
          "blanks around the extension do not count");
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelot;
  using namespace tunelot::fuzz;
  const std::string_view input = AsText(data, size);
  CheckKey(input);
  // The last NUL, if any, parts the path from an extension to test it against.
  const std::size_t split = input.rfind('\0');
  const std::string_view path = split == std::string_view::npos ? input : input.substr(0, split);
  const std::string_view extension =
      split == std::string_view::npos ? std::string_view(".MP3") : input.substr(split + 1);
  CheckExtension(path, extension, PathStyle::Posix);
  CheckExtension(path, extension, PathStyle::Windows);
  return 0;
}
