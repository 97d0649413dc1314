#pragma once

#include <cstdint>
#include <string>

namespace tunelot {

// The name of the program file's section that holds its version record.
#define TUNELOT_VERSION_SECTION ".tunelot_version"

inline constexpr std::uint32_t kVersionRecordSignature = 0xFEEF04BDu;

// The fixed file version as the build writes it into the program file.
struct VersionRecord {
  std::uint32_t signature;
  std::uint32_t fileVersionMS;
  std::uint32_t fileVersionLS;
};

// Four decimal numbers joined by ".", from the four 16-bit halves of the two values.
std::string FormatFileVersion(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS);

// The version string of the program file at `path`; empty when the file cannot be read
// or carries no valid record. Never throws.
std::string ReadVersionString(const std::string& path);

// The full path of the running program file; empty when the system does not say.
std::string RunningProgramPath();

}  // namespace tunelot
