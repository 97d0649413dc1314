// FormatSize on any double, with a few real separator pairs: the text is the pattern
// "#,##0.00" of the value in its unit, within rounding.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "fuzz_support.h"
#include "lists/status_line.h"
#include "platform/number_format.h"

namespace tunelot::fuzz {
namespace {

struct Scaled {
  double value;
  std::string unit;
};

Scaled InUnit(double bytes) {
  const char* units[] = {" bytes", " KB", " MB", " GB"};
  std::size_t step = 0;
  while (step < 3 && bytes > 1024) {
    bytes /= 1024;
    ++step;
  }
  return {bytes, units[step]};
}

std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The number written before the unit, its separators checked and taken out.
double ReadPattern(const std::string& number, const NumberSeparators& separators) {
  const std::size_t point = number.rfind(separators.decimal);
  Require(point != std::string::npos, "the text has a decimal separator");
  const std::string decimals = number.substr(point + separators.decimal.size());
  Require(decimals.size() == 2 && IsDigit(decimals[0]) && IsDigit(decimals[1]),
          "the text has exactly two decimals");
  std::string integer = number.substr(0, point);
  const bool negative = !integer.empty() && integer[0] == '-';
  if (negative) integer.erase(0, 1);
  std::string digits;
  std::size_t group = 0;
  for (std::size_t i = integer.size(); i > 0;) {
    if (group == 3) {
      const std::size_t width = separators.thousands.size();
      Require(i >= width && integer.compare(i - width, width, separators.thousands) == 0,
              "digits are grouped by threes");
      i -= width;
      group = 0;
      Require(i > 0, "no separator leads the integer part");
      continue;
    }
    Require(IsDigit(integer[i - 1]), "the integer part is digits");
    digits.insert(digits.begin(), integer[i - 1]);
    --i;
    ++group;
  }
  Require(!digits.empty(), "the integer part has a digit");
  Require(digits.size() == 1 || digits[0] != '0', "no leading zeros");
  const double value = std::strtod((digits + "." + decimals).c_str(), nullptr);
  Require(!negative || value != 0, "no minus before zero");
  return negative ? -value : value;
}

NumberSeparators SeparatorsFrom(const std::uint8_t* data, std::size_t size) {
  static const NumberSeparators pairs[] = {{",", "."}, {".", ","}, {" ", ","}, {"\xc2\xa0", ","}};
  return size > 8 ? pairs[data[8] % 4] : pairs[0];
}

}  // namespace
}  // namespace tunelot::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace tunelot;
  using namespace tunelot::fuzz;
  if (size < sizeof(double)) return 0;
  double bytes = 0;
  std::memcpy(&bytes, data, sizeof bytes);
  const NumberSeparators separators = SeparatorsFrom(data, size);
  const std::string text = FormatSize(bytes, separators);
  const Scaled expected = InUnit(bytes);
  Require(text.size() > expected.unit.size() && text.ends_with(expected.unit),
          "the unit steps up above 1024");
  const std::string number = text.substr(0, text.size() - expected.unit.size());
  if (!std::isfinite(bytes)) {
    Require(number == NonFiniteText(expected.value), "a value that is no number says so");
    return 0;
  }
  const double written = ReadPattern(number, separators);
  const double tolerance = 0.005 + std::fabs(expected.value) * 1e-15;
  Require(std::fabs(written - expected.value) <= tolerance, "the text is the rounded value");
  return 0;
}
