// Size texts for values no file gives but a fuzzer does: every double gets a sane text.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>
#include <string>

#include "lists/status_line.h"

namespace tunelot {
namespace {

const NumberSeparators kEnglish{",", "."};

TEST(HostileSizeText, ValuesThatAreNoNumberAreNamedWithTheirUnit) {
  constexpr double kInfinity = std::numeric_limits<double>::infinity();
  struct Case {
    double bytes;
    const char* text;
  } cases[] = {
      {kInfinity, "INF GB"},
      {-kInfinity, "-INF bytes"},
      {std::numeric_limits<double>::quiet_NaN(), "NAN bytes"},
      {-std::numeric_limits<double>::quiet_NaN(), "NAN bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(FormatSize(c.bytes, kEnglish), c.text);
  }
}

TEST(HostileSizeText, ExtremeFiniteValuesKeepThePattern) {
  struct Case {
    double bytes;
    const char* text;
  } cases[] = {
      {-0.0, "0.00 bytes"},
      {DBL_TRUE_MIN, "0.00 bytes"},
      {-DBL_MIN, "0.00 bytes"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.bytes);
    EXPECT_EQ(FormatSize(c.bytes, kEnglish), c.text);
  }
  // Taken to 18 significant digits, the rest zeros, grouped all the way.
  const std::string lowest = FormatSize(-1e300, kEnglish);
  EXPECT_TRUE(lowest.starts_with("-1,000,000,000,000,000,050,000,")) << lowest;
  EXPECT_TRUE(lowest.ends_with(",000.00 bytes")) << lowest;
  EXPECT_EQ(lowest.size(), 1 + 301 + 100 + 3 + 6u);
  const std::string largest = FormatSize(DBL_MAX, kEnglish);
  EXPECT_TRUE(largest.starts_with("167,423,219,872,854,2")) << largest;
  EXPECT_TRUE(largest.ends_with(",000.00 GB")) << largest;
}

}  // namespace
}  // namespace tunelot
