// Holds the given number of song entries in a file list, appended one by one, and prints
// its peak memory in MiB: what the entries themselves cost.
#include <cstdlib>
#include <iostream>

#include "lists/file_list.h"
#include "peak_memory.h"
#include "song_names.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::cerr << "usage: bench_list_memory ENTRIES\n";
    return 2;
  }
  const std::size_t count = std::strtoul(argv[1], nullptr, 10);
  tunelot::FileList list;
  {
    tunelot::UpdateBracket bracket(list);
    for (std::size_t i = 0; i < count; ++i) {
      list.Append(tunelot::Entry(tunelot::bench::SongPath("/home/user/Music", i)));
    }
  }
  std::cout << tunelot::bench::PeakMebibytes() << "\n";
  return list.Count() == count ? 0 : 1;
}
