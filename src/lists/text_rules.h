#pragma once

#include <string>
#include <string_view>

namespace tunelot {

// Cuts every leading and trailing character with a code from 0 to 32.
std::string_view TrimControls(std::string_view text);

// Turns the letters a to z into A to Z; every other byte stays as it is.
std::string AsciiUpper(std::string_view text);

// Whether the text is empty once its leading and trailing codes 0 to 32 are cut.
bool IsBlank(std::string_view text);

}  // namespace tunelot
