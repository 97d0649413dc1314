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
  std::string key(text.size() * 4 + 16, '\0');
  std::size_t length = strxfrm_l(key.data(), text.c_str(), key.size(), AsLocale(locale_));
  if (length >= key.size()) {
    key.assign(length + 1, '\0');
    length = strxfrm_l(key.data(), text.c_str(), key.size(), AsLocale(locale_));
  }
  key.resize(length);
  return key;
}

bool Collator::Less(const std::string& a, const std::string& b) const {
  return strcoll_l(a.c_str(), b.c_str(), AsLocale(locale_)) < 0;
}

}  // namespace tunelot
