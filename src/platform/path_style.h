#pragma once

#include <string>
#include <string_view>

namespace tunelot {

// The path rules of a platform. Every rule that differs between Windows and POSIX takes
// the style, so both can be checked side by side; the program uses kNativePathStyle.
enum class PathStyle { Posix, Windows };

#ifdef _WIN32
inline constexpr PathStyle kNativePathStyle = PathStyle::Windows;
#else
inline constexpr PathStyle kNativePathStyle = PathStyle::Posix;
#endif

// The separator that joins a folder path and a name: "\" on Windows, "/" on POSIX.
char PathSeparator(PathStyle style = kNativePathStyle);

// Whether `c` ends a folder or drive part: "\" and ":" on Windows, "/" on POSIX.
bool IsDelimiter(char c, PathStyle style = kNativePathStyle);

// The part after the last delimiter; the whole path when it holds none.
std::string FileNamePart(std::string_view path, PathStyle style = kNativePathStyle);

// The part up to and including the last delimiter; empty when it holds none.
std::string FolderPart(std::string_view path, PathStyle style = kNativePathStyle);

// The part from the last "." that stands after the last delimiter; empty when there is none.
std::string ExtensionPart(std::string_view path, PathStyle style = kNativePathStyle);

// Appends the separator to a text that is not empty and does not already end in it.
void AddTrailingBackslash(std::string& path, PathStyle style = kNativePathStyle);

}  // namespace tunelot
