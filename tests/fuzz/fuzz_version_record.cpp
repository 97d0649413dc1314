// A program file of arbitrary bytes: the version string is four numbers or nothing.
#include <cstddef>
#include <cstdint>
#include <string>

#include "fuzz_support.h"
#include "platform/version_record.h"

namespace tunelot::fuzz {
namespace {

ScratchFolder& Scratch() {
  static ScratchFolder folder;
  return folder;
}

bool IsFourNumbers(const std::string& text) {
  int dots = 0;
  bool digitBefore = false;
  for (const char c : text) {
    if (c == '.') {
      if (!digitBefore) return false;
      ++dots;
      digitBefore = false;
    } else if (c >= '0' && c <= '9') {
      digitBefore = true;
    } else {
      return false;
    }
  }
  return dots == 3 && digitBefore;
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelot::fuzz;
  const std::string path = Scratch().Write("program", AsText(data, size));
  const std::string version = tunelot::ReadVersionString(path);
  Require(version.empty() || IsFourNumbers(version), "a version string is four numbers");
  return 0;
}
