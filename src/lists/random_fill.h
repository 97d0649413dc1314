#pragma once

#include <optional>
#include <string>

#include "lists/file_list.h"
#include "lists/random_source.h"
#include "platform/number_format.h"
#include "platform/volume_space.h"

namespace tunelot {

inline constexpr char kNoOutputPathMessage[] =
    "You must to select the output path in order to use this feature.";

// The free-space label: "<free> free (<total> total)" in size texts.
std::string FreeSpaceLabelText(const VolumeSpace& space, const NumberSeparators& separators);
std::string FreeSpaceLabelText(const VolumeSpace& space);

// Selects random input entries whose sizes, added to those of the output list's files, stay
// below the free space of the output path's volume; every other input entry ends unselected.
// Gives the refusal to show for a blank output path, leaving the selection as it was.
// Throws FileOpenError from a file whose size cannot be read: from the output list before
// the selection is touched, from a drawn input entry with the picks so far kept.
std::optional<std::string> RandomizeSelection(FileList& input, const FileList& output,
                                              const std::string& outputPath, SpaceQuery& space,
                                              RandomSource& random);

}  // namespace tunelot
