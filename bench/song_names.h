#pragma once

#include <cstddef>
#include <string>

namespace tunelot::bench {

inline constexpr std::size_t kSongsPerFolder = 100;

// The path of song `index` below `root`: artist folder, album folder (kSongsPerFolder
// songs each) and a file name with spaces, apostrophes, hyphens, accented letters and
// extensions in mixed letter case, as real collections have them.
std::string SongPath(const std::string& root, std::size_t index);

// The folder, below `root`, that holds the songs of album `album`.
std::string AlbumPath(const std::string& root, std::size_t album);

}  // namespace tunelot::bench
