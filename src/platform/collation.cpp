#include "platform/collation.h"

#include <locale.h>
#include <clocale>
#include <cstring>
#include <vector>

namespace tunelot {
namespace {

locale_t AsLocale(void* handle) { return static_cast<locale_t>(handle); }

}  // namespace

Collator::Collator(const std::string& localeName) {
  locale_t handle = newlocale(LC_COLLATE_MASK, localeName.c_str(), static_cast<locale_t>(0));
  if (handle == static_cast<locale_t>(0)) {
    handle = newlocale(LC_COLLATE_MASK, "C", static_cast<locale_t>(0));
  }
  locale_ = handle;
}

Collator::~Collator() {
  if (locale_ != nullptr) freelocale(AsLocale(locale_));
}

std::string Collator::Key(const std::string& text) const {
  std::string key;
  AppendKey(text, key);
  key.shrink_to_fit();
  return key;
}

void Collator::AppendKey(const std::string& text, std::string& keys) const {
  const std::size_t start = keys.size();
  // Keys of real locales run to six or seven bytes a character: room for eight spares
  // nearly every text a second transformation.
  keys.resize(start + text.size() * 8 + 16);
  std::size_t length =
      strxfrm_l(keys.data() + start, text.c_str(), keys.size() - start, AsLocale(locale_));
  if (length >= keys.size() - start) {
    keys.resize(start + length + 1);
    length = strxfrm_l(keys.data() + start, text.c_str(), length + 1, AsLocale(locale_));
  }
  keys.resize(start + length);
}

}  // namespace tunelot
