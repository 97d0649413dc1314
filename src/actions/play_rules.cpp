#include "actions/play_rules.h"

#include <algorithm>
#include <cerrno>
#include <iterator>
#include <string_view>

#include "lists/text_rules.h"

namespace tunelot {
namespace {

struct CodeText {
  int code;
  std::string_view text;
};

constexpr CodeText kShellTexts[] = {
    {2, "File not found"},
    {3, "Path not found"},
    {5, "Access denied"},
    {8, "Out of memory"},
    {11, "Bad Format"},
    {26, "No Share"},
    {27, "Operation association incomplete"},
    {28, "DDE timed out"},
    {29, "DDE failed"},
    {30, "DDE is busy"},
    {31, "No association for operation"},
    {32, "DLL not found"},
};

constexpr CodeText kChooserTexts[] = {
    {0, "The operating system is out of memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied access to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid (non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred."},
    {27, "The filename association is incomplete or invalid."},
    {28, "The DDE transaction could not be completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30,
     "The DDE transaction could not be completed because other DDE transactions were being "
     "processed."},
    {31, "There is no application associated with the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
};

template <std::size_t N>
std::string TextFor(const CodeText (&table)[N], int code, std::string_view otherwise) {
  const auto found = std::find_if(std::begin(table), std::end(table),
                                  [code](const CodeText& row) { return row.code == code; });
  return std::string(found == std::end(table) ? otherwise : found->text);
}

}  // namespace

std::string ShellErrorText(int code) { return TextFor(kShellTexts, code, "Unknown"); }

std::string ChooserErrorText(int code) { return TextFor(kChooserTexts, code, {}); }

int ShellCodeForErrno(int err) {
  switch (err) {
    case ENOENT:
      return 2;
    case ENOTDIR:
      return 3;
    case EACCES:
    case EPERM:
      return 5;
    case ENOMEM:
      return 8;
    case ENOEXEC:
      return 11;
    default:
      return 0;
  }
}

PlayChoice ChoosePlayTarget(const FileList& list) {
  const std::ptrdiff_t current = list.CurrentIndex();
  if (current == kNone) return {kNoFileSelectedMessage, {}};
  const std::string& path = list.At(static_cast<std::size_t>(current)).path;
  if (IsBlank(path)) return {kNoFileSelectedMessage, {}};
  return {std::nullopt, path};
}

}  // namespace tunelot
