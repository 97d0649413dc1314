#include "platform/version_record.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <optional>
#include <string_view>
#include <vector>

#include <unistd.h>

namespace tunelot {
namespace {

// A bounds-checked view of the program file's bytes, read on demand.
class ElfReader {
 public:
  explicit ElfReader(const std::string& path) : in_(path, std::ios::binary) {
    if (in_) {
      in_.seekg(0, std::ios::end);
      size_ = static_cast<std::uint64_t>(std::max<std::streamoff>(in_.tellg(), 0));
    }
  }

  std::optional<std::vector<unsigned char>> Read(std::uint64_t offset, std::uint64_t length) {
    if (!in_ || offset > size_ || length > size_ - offset || length > kMaxRead) return {};
    std::vector<unsigned char> bytes(length);
    in_.seekg(static_cast<std::streamoff>(offset));
    if (!in_.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(length))) {
      return {};
    }
    return bytes;
  }

 private:
  static constexpr std::uint64_t kMaxRead = 64u << 20;
  std::ifstream in_;
  std::uint64_t size_ = 0;
};

struct Decoder {
  const std::vector<unsigned char>& bytes;
  bool bigEndian;

  std::uint64_t Get(std::size_t offset, std::size_t width) const {
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
      const std::size_t at = bigEndian ? offset + i : offset + width - 1 - i;
      value = (value << 8) | bytes.at(at);
    }
    return value;
  }
};

struct SectionHeader {
  std::uint32_t name = 0;
  std::uint64_t offset = 0;
  std::uint64_t size = 0;
};

std::optional<std::string> VersionFromElf(ElfReader& file) {
  const auto ident = file.Read(0, 64);
  if (!ident || std::memcmp(ident->data(),
                            "\x7f"
                            "ELF",
                            4) != 0)
    return {};
  const bool wide = (*ident)[4] == 2;
  if (!wide && (*ident)[4] != 1) return {};
  const Decoder header{*ident, (*ident)[5] == 2};

  const std::uint64_t shoff = wide ? header.Get(0x28, 8) : header.Get(0x20, 4);
  const std::uint64_t shentsize = header.Get(wide ? 0x3A : 0x2E, 2);
  const std::uint64_t shnum = header.Get(wide ? 0x3C : 0x30, 2);
  const std::uint64_t shstrndx = header.Get(wide ? 0x3E : 0x32, 2);
  const std::uint64_t minEntry = wide ? 64 : 40;
  if (shentsize < minEntry || shnum == 0 || shstrndx >= shnum) return {};

  const auto table = file.Read(shoff, shentsize * shnum);
  if (!table) return {};
  const Decoder entries{*table, header.bigEndian};
  auto section = [&](std::uint64_t index) {
    const std::size_t base = static_cast<std::size_t>(index * shentsize);
    SectionHeader s;
    s.name = static_cast<std::uint32_t>(entries.Get(base, 4));
    s.offset = wide ? entries.Get(base + 0x18, 8) : entries.Get(base + 0x10, 4);
    s.size = wide ? entries.Get(base + 0x20, 8) : entries.Get(base + 0x14, 4);
    return s;
  };

  const SectionHeader names = section(shstrndx);
  const auto nameBytes = file.Read(names.offset, names.size);
  if (!nameBytes) return {};
  constexpr std::string_view wanted = TUNELOT_VERSION_SECTION;
  for (std::uint64_t i = 0; i < shnum; ++i) {
    const SectionHeader s = section(i);
    if (s.name >= nameBytes->size()) continue;
    const char* name = reinterpret_cast<const char*>(nameBytes->data()) + s.name;
    const std::size_t room = nameBytes->size() - s.name;
    if (std::string_view(name, strnlen(name, room)) != wanted) continue;
    const auto record = file.Read(s.offset, sizeof(VersionRecord));
    if (!record || s.size < sizeof(VersionRecord)) return {};
    const Decoder fields{*record, header.bigEndian};
    if (fields.Get(0, 4) != kVersionRecordSignature) return {};
    return FormatFileVersion(static_cast<std::uint32_t>(fields.Get(4, 4)),
                             static_cast<std::uint32_t>(fields.Get(8, 4)));
  }
  return {};
}

}  // namespace

std::string FormatFileVersion(std::uint32_t fileVersionMS, std::uint32_t fileVersionLS) {
  return std::to_string(fileVersionMS >> 16) + "." + std::to_string(fileVersionMS & 0xFFFFu) + "." +
         std::to_string(fileVersionLS >> 16) + "." + std::to_string(fileVersionLS & 0xFFFFu);
}

std::string ReadVersionString(const std::string& path) {
  try {
    ElfReader file(path);
    return VersionFromElf(file).value_or(std::string());
  } catch (...) {
    return {};
  }
}

std::string RunningProgramPath() {
  std::vector<char> buffer(4096);
  for (;;) {
    const ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
    if (length < 0) return {};
    if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    buffer.resize(buffer.size() * 2);
  }
}

}  // namespace tunelot
