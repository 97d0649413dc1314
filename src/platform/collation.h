#pragma once

#include <string>
#include <string_view>

namespace tunelot {

// The locale-aware, case-sensitive string order of a locale: letter case decides only
// between texts that are otherwise equal, and punctuation such as hyphens and apostrophes
// weighs less than letters.
class Collator {
 public:
  // `localeName` "" is the user's locale, from the environment; an unknown name falls
  // back to byte order.
  explicit Collator(const std::string& localeName = "");
  ~Collator();
  Collator(const Collator&) = delete;
  Collator& operator=(const Collator&) = delete;

  // A key whose byte order is this collation's order, for sorting many texts at once.
  std::string Key(const std::string& text) const;
  // Appends the key of `text` to `keys`, so that many keys can share one buffer.
  void AppendKey(const std::string& text, std::string& keys) const;

 private:
  void* locale_;
};

}  // namespace tunelot
