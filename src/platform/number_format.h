#pragma once

#include <string>

namespace tunelot {

struct NumberSeparators {
  std::string thousands = ",";
  std::string decimal = ".";
};

// The user's thousands and decimal separators, read afresh from the environment's locale
// at each call; "," and "." where the locale gives none.
NumberSeparators UserNumberSeparators();

}  // namespace tunelot
