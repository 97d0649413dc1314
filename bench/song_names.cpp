#include "song_names.h"

#include <array>
#include <string_view>

namespace tunelot::bench {
namespace {

constexpr std::size_t kAlbumsPerArtist = 100;

constexpr std::array<std::string_view, 16> kWords = {
    "Love", "don't", "Night", "rock-n-roll", "Café",    "über",  "Blue",  "sky",
    "Été",  "moon",  "Dance", "l'amour",     "O'Neill", "x-ray", "ángel", "Zebra"};

constexpr std::array<std::string_view, 3> kExtensions = {".mp3", ".MP3", ".Mp3"};

std::string Word(std::size_t n) { return std::string(kWords[n % kWords.size()]); }

std::string Padded(std::size_t number, std::size_t width) {
  std::string digits = std::to_string(number);
  return std::string(width > digits.size() ? width - digits.size() : 0, '0') + digits;
}

}  // namespace

std::string AlbumPath(const std::string& root, std::size_t album) {
  const std::size_t artist = album / kAlbumsPerArtist;
  return root + "/Artist " + Padded(artist, 2) + " " + Word(artist * 7 + 3) + "/Album " +
         Padded(album % kAlbumsPerArtist, 2) + " " + Word(album * 5 + 1) + " " +
         Word(album * 11 + 2) + " (" + std::to_string(1960 + album % 60) + ")";
}

std::string SongPath(const std::string& root, std::size_t index) {
  const std::size_t track = index % kSongsPerFolder;
  return AlbumPath(root, index / kSongsPerFolder) + "/" + Padded(track + 1, 3) + " - " +
         Word(index * 3) + " " + Word(index / 7 + 5) + " " + Word(index / 3 + 9) +
         std::string(kExtensions[index % kExtensions.size()]);
}

}  // namespace tunelot::bench
