#pragma once

#include <optional>
#include <string>

#include "lists/file_list.h"

namespace tunelot {

inline constexpr char kNoFileSelectedMessage[] = "A file must be selected";

// The short text for a shell code when the associated application fails to start; "Unknown"
// for a code the shell does not document.
std::string ShellErrorText(int code);

// The text for a shell code when the open-with chooser fails to start; empty for a code the
// shell does not document.
std::string ChooserErrorText(int code);

// The shell code nearest to a POSIX errno value; 0, which reads "Unknown", when none is.
int ShellCodeForErrno(int err);

// Either the refusal to show, or the path to play exactly as the list holds it.
struct PlayChoice {
  std::optional<std::string> refusal;
  std::string path;
};

// The list's first selected entry, refused when nothing is selected or its path is blank.
PlayChoice ChoosePlayTarget(const FileList& list);

}  // namespace tunelot
