#include "platform/key_file.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tunelot {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

bool IsRegularFile(const std::string& path) {
  std::error_code error;
  return std::filesystem::is_regular_file(path, error);
}

void AddLine(std::string_view line, KeyFileGroup* group) {
  const auto equals = line.find('=');
  if (group == nullptr || equals == std::string_view::npos) return;
  const std::string key(Trimmed(line.substr(0, equals)));
  std::string_view value = line.substr(equals + 1);
  value.remove_prefix(std::min(value.find_first_not_of(" \t"), value.size()));
  if (!key.empty()) group->emplace(key, std::string(value));
}

}  // namespace

std::optional<KeyFile> ReadKeyFile(const std::string& path) {
  // A FIFO or device that only carries a key file's name must not be waited on.
  if (!IsRegularFile(path)) return std::nullopt;
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  KeyFile file;
  KeyFileGroup* group = nullptr;
  std::string line;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string_view text = Trimmed(line);
    if (text.empty() || text.front() == '#') continue;
    if (text.front() == '[' && text.back() == ']') {
      group = &file[std::string(text.substr(1, text.size() - 2))];
      continue;
    }
    AddLine(line, group);
  }
  return file;
}

std::optional<std::string> FindValue(const KeyFileGroup& group, const std::string& key) {
  const auto found = group.find(key);
  if (found == group.end()) return std::nullopt;
  return found->second;
}

std::string UnescapeValue(std::string_view raw) {
  std::string value;
  value.reserve(raw.size());
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] != '\\' || i + 1 == raw.size()) {
      value += raw[i];
      continue;
    }
    switch (raw[++i]) {
      case 's':
        value += ' ';
        break;
      case 'n':
        value += '\n';
        break;
      case 't':
        value += '\t';
        break;
      case 'r':
        value += '\r';
        break;
      case '\\':
        value += '\\';
        break;
      default:
        value += '\\';
        value += raw[i];
    }
  }
  return value;
}

std::vector<std::string> SplitListValue(std::string_view raw) {
  std::vector<std::string> items;
  std::string item;
  auto finish = [&] {
    if (!item.empty()) items.push_back(UnescapeValue(item));
    item.clear();
  };
  for (std::size_t i = 0; i < raw.size(); ++i) {
    if (raw[i] == '\\' && i + 1 < raw.size()) {
      // "\;" is a ';' inside an item; any other escape waits for UnescapeValue.
      if (raw[i + 1] != ';') item += '\\';
      item += raw[++i];
    } else if (raw[i] == ';') {
      finish();
    } else {
      item += raw[i];
    }
  }
  finish();
  return items;
}

bool BooleanValue(const KeyFileGroup& group, const std::string& key) {
  return FindValue(group, key) == std::optional<std::string>("true");
}

}  // namespace tunelot
