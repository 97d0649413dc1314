#pragma once

#include <string>
#include <string_view>

namespace tunelot {

// Turns the letters A to Z into a to z; every other byte stays as it is.
inline std::string AsciiLower(std::string_view text) {
  std::string lower(text);
  for (char& c : lower) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lower;
}

}  // namespace tunelot
