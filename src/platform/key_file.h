#pragma once

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tunelot {

// The groups of an XDG key file (a .desktop file, a mimeapps.list): each key with its raw
// value, escapes untouched. Localised keys such as Name[de] stay under their full name.
using KeyFileGroup = std::map<std::string, std::string>;
using KeyFile = std::map<std::string, KeyFileGroup>;

// The file's groups; nullopt when it is not a readable regular file. A key given twice in
// a group keeps its first value.
std::optional<KeyFile> ReadKeyFile(const std::string& path);

// The group's value for `key`, or nullopt.
std::optional<std::string> FindValue(const KeyFileGroup& group, const std::string& key);

// A string value with its escapes \s \n \t \r \\ resolved.
std::string UnescapeValue(std::string_view raw);

// A list value split at each ';' that is not escaped as "\;", each item unescaped; empty
// items are dropped.
std::vector<std::string> SplitListValue(std::string_view raw);

// True only for the value "true".
bool BooleanValue(const KeyFileGroup& group, const std::string& key);

}  // namespace tunelot
