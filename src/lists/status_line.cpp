#include "lists/status_line.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "platform/file_size.h"

namespace tunelot {
namespace {

// The decimal digits of |value| taken to 18 significant digits, then rounded half away
// from zero at the second decimal: integer digits and the two decimals.
struct FixedDigits {
  std::string integer;
  std::string decimals;
};

FixedDigits RoundToTwoDecimals(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17e", std::fabs(value));
  // buffer: d.ddddddddddddddddde[+-]xx
  std::string digits;
  digits += buffer[0];
  digits.append(buffer + 2, 17);
  const int exponent = std::atoi(buffer + 20);
  // Place the decimal point: `digits` stands for 0.digits * 10^(exponent + 1).
  int pointAt = exponent + 1;
  if (pointAt < 0) {
    digits.insert(0, static_cast<std::size_t>(-pointAt), '0');
    pointAt = 0;
  }
  const std::size_t keep = static_cast<std::size_t>(pointAt) + 2;
  if (digits.size() < keep + 1) digits.append(keep + 1 - digits.size(), '0');
  const bool roundUp = digits[keep] >= '5';
  digits.resize(keep);
  if (roundUp) {
    std::size_t i = digits.size();
    while (i > 0) {
      if (digits[i - 1] == '9') {
        digits[i - 1] = '0';
        --i;
      } else {
        ++digits[i - 1];
        break;
      }
    }
    if (i == 0) {
      digits.insert(0, 1, '1');
      ++pointAt;
    }
  }
  FixedDigits fixed;
  fixed.integer = digits.substr(0, static_cast<std::size_t>(pointAt));
  fixed.decimals = digits.substr(static_cast<std::size_t>(pointAt), 2);
  const std::size_t firstNonZero = fixed.integer.find_first_not_of('0');
  fixed.integer = firstNonZero == std::string::npos ? "0" : fixed.integer.substr(firstNonZero);
  return fixed;
}

// No file or volume gives such a value, but the digit rounding below needs a finite one.
std::string NonFiniteText(double value) {
  if (std::isnan(value)) return "NAN";
  return value < 0 ? "-INF" : "INF";
}

std::string GroupThousands(const std::string& integer, const std::string& separator) {
  std::string grouped;
  for (std::size_t i = 0; i < integer.size(); ++i) {
    if (i > 0 && (integer.size() - i) % 3 == 0) grouped += separator;
    grouped += integer[i];
  }
  return grouped;
}

}  // namespace

std::string FormatSize(double bytes, const NumberSeparators& separators) {
  const char* unit = " bytes";
  if (bytes > 1024) {
    bytes /= 1024;
    unit = " KB";
    if (bytes > 1024) {
      bytes /= 1024;
      unit = " MB";
      if (bytes > 1024) {
        bytes /= 1024;
        unit = " GB";
      }
    }
  }
  if (!std::isfinite(bytes)) return NonFiniteText(bytes) + unit;
  const FixedDigits fixed = RoundToTwoDecimals(bytes);
  const bool negative = bytes < 0 && (fixed.integer != "0" || fixed.decimals != "00");
  std::string text = negative ? "-" : "";
  text += GroupThousands(fixed.integer, separators.thousands);
  text += separators.decimal;
  text += fixed.decimals;
  text += unit;
  return text;
}

std::string FormatSize(double bytes) { return FormatSize(bytes, UserNumberSeparators()); }

std::string ListSizeText(const FileList& list) {
  double sum = 0;
  for (const Entry& entry : list.Entries()) sum += static_cast<double>(FileSizeOf(entry.path));
  return FormatSize(sum);
}

std::string InitialStatusText(ListRole role) {
  return role == ListRole::Input ? "0 file(s) in input list ( 0 bytes )"
                                 : "0 file(s) in output list ( 0 bytes )";
}

std::string StatusLineText(const FileList& list, ListRole role) {
  const char* wording =
      role == ListRole::Input ? " file(s) in source list ( " : " file(s) in output list ( ";
  return std::to_string(list.Count()) + wording + ListSizeText(list) + " )";
}

}  // namespace tunelot
