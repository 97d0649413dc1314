#include "platform/number_format.h"

#include <langinfo.h>
#include <locale.h>

namespace tunelot {

NumberSeparators UserNumberSeparators() {
  NumberSeparators separators;
  locale_t handle = newlocale(LC_NUMERIC_MASK, "", static_cast<locale_t>(0));
  if (handle == static_cast<locale_t>(0)) return separators;
  const std::string thousands = nl_langinfo_l(THOUSEP, handle);
  const std::string decimal = nl_langinfo_l(RADIXCHAR, handle);
  freelocale(handle);
  if (!thousands.empty()) separators.thousands = thousands;
  if (!decimal.empty()) separators.decimal = decimal;
  return separators;
}

}  // namespace tunelot
