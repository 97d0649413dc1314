#include "lists/random_fill.h"

#include <cstdint>
#include <unordered_set>

#include "lists/status_line.h"
#include "lists/text_rules.h"
#include "platform/file_size.h"

namespace tunelot {
namespace {

std::int64_t TotalSize(const FileList& list) {
  std::int64_t total = 0;
  for (const Entry& entry : list.Entries()) total += FileSizeOf(entry.path);
  return total;
}

// Draws until every entry was tried or the first drawn file that fits no more.
void PickUntilFull(FileList& input, std::int64_t free, std::int64_t total, RandomSource& random) {
  const std::size_t count = input.Count();
  std::unordered_set<std::size_t> tried;
  while (total < free && tried.size() < count) {
    const std::size_t index = random.Below(count);
    if (!tried.insert(index).second) continue;
    const std::int64_t size = FileSizeOf(input.At(index).path);
    // A file that needs the whole free space or more can never fit; others still may.
    if (size >= free) continue;
    total += size;
    if (total < free) input.SetSelected(index, true);
  }
}

}  // namespace

std::string FreeSpaceLabelText(const VolumeSpace& space, const NumberSeparators& separators) {
  return FormatSize(static_cast<double>(space.free), separators) + " free (" +
         FormatSize(static_cast<double>(space.total), separators) + " total)";
}

std::string FreeSpaceLabelText(const VolumeSpace& space) {
  return FreeSpaceLabelText(space, UserNumberSeparators());
}

std::optional<std::string> RandomizeSelection(FileList& input, const FileList& output,
                                              const std::string& outputPath, SpaceQuery& space,
                                              RandomSource& random) {
  if (IsBlank(outputPath)) return kNoOutputPathMessage;
  const std::int64_t free = space.Query(outputPath).free;
  const std::int64_t alreadyTaken = TotalSize(output);
  UpdateBracket bracket(input);
  input.ClearSelection();
  PickUntilFull(input, free, alreadyTaken, random);
  return std::nullopt;
}

}  // namespace tunelot
