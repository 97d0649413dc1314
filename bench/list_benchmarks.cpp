// The folder scan and the list operations of the window, against the tools a user has.
#include <cstdint>
#include <stdexcept>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "bench_data.h"
#include "bench_names.h"
#include "lists/file_list.h"
#include "lists/folder_scan.h"
#include "lists/list_order.h"
#include "lists/moving.h"
#include "lists/status_line.h"
#include "platform/collation.h"
#include "process_run.h"
#include "registration.h"

namespace tunelot::bench {
namespace {

FileList ListOf(const std::vector<std::string>& paths) {
  FileList list;
  {
    UpdateBracket bracket(list);
    for (const std::string& path : paths) list.Append(Entry(path));
  }
  return list;
}

// What the comparison does for each file: what reading a size costs at the least.
std::int64_t BareSizeLoop(const std::vector<std::string>& paths) {
  std::int64_t sum = 0;
  for (const std::string& path : paths) {
    const int fd = open(path.c_str(), O_RDONLY);
    struct stat info {};
    if (fd < 0 || fstat(fd, &info) != 0) throw std::runtime_error("cannot read " + path);
    sum += info.st_size;
    close(fd);
  }
  return sum;
}

// "Get files" as the window runs it, into an empty input list.
void GetFiles(const std::string& tree, const Collator& collator) {
  FileList input;
  std::vector<std::string> found;
  ScanFolder(ScanFolderPath(tree), ".MP3", found);
  {
    UpdateBracket bracket(input);
    AppendNewPaths(input, found);
    SortByCollation(input, collator);
  }
  benchmark::DoNotOptimize(StatusLineText(input, ListRole::Input));
}

struct Lists {
  FileList input;
  FileList output;
};

// Selects `count` input entries spread evenly over the list.
void SelectSpread(FileList& list, std::size_t count) {
  const std::size_t step = list.Count() / count;
  for (std::size_t i = 0; i < count; ++i) list.SetSelected(step / 2 + i * step, true);
}

ListRole RoleOf(const Lists& lists, const FileList& list) {
  return &list == &lists.input ? ListRole::Input : ListRole::Output;
}

// A move as the window makes it: the move, the input list's re-sort, then the status
// lines of the receiving and of the giving list.
void WindowMove(Lists& lists, FileList& giving, FileList& receiving, const Collator& collator) {
  MoveSelected(giving, receiving);
  SortByCollation(lists.input, collator);
  benchmark::DoNotOptimize(StatusLineText(receiving, RoleOf(lists, receiving)));
  benchmark::DoNotOptimize(StatusLineText(giving, RoleOf(lists, giving)));
}

void RegisterMoves(const BenchData& data, const char* outName, const char* backName,
                   std::size_t count) {
  Register(outName, [&data, count](benchmark::State& state) {
    const Collator collator;
    for (auto _ : state) {
      Lists lists{ListOf(data.sorted()), FileList()};
      SelectSpread(lists.input, count);
      state.SetIterationTime(
          SecondsOf([&] { WindowMove(lists, lists.input, lists.output, collator); }));
    }
  });
  Register(backName, [&data, count](benchmark::State& state) {
    const Collator collator;
    for (auto _ : state) {
      Lists lists{ListOf(data.sorted()), FileList()};
      SelectSpread(lists.input, count);
      MoveSelected(lists.input, lists.output);
      lists.input.ClearSelection();
      lists.output.SelectAll();
      state.SetIterationTime(
          SecondsOf([&] { WindowMove(lists, lists.output, lists.input, collator); }));
    }
  });
}

void RegisterScan(const BenchData& data) {
  Register(names::kWalk, [&data](benchmark::State& state) {
    for (auto _ : state) {
      std::vector<std::string> found;
      state.SetIterationTime(
          SecondsOf([&] { ScanFolder(ScanFolderPath(data.tree()), ".MP3", found); }));
      if (found.size() != kTreeSongs) state.SkipWithError("the walk missed files");
    }
  });
  Register(names::kWalkFind, [&data](benchmark::State& state) {
    for (auto _ : state) {
      state.SetIterationTime(RunProcess({"find", data.tree(), "-iname", "*.mp3"}));
    }
  });
  Register(names::kGetFiles, [&data](benchmark::State& state) {
    const Collator collator;
    for (auto _ : state)
      state.SetIterationTime(SecondsOf([&] { GetFiles(data.tree(), collator); }));
  });
}

void RegisterInsertAndSort(const BenchData& data) {
  Register(names::kInsert, [&data](benchmark::State& state) {
    for (auto _ : state) {
      FileList input;
      state.SetIterationTime(SecondsOf([&] { AppendNewPaths(input, data.found()); }));
    }
  });
  Register(names::kInsertHeld, [&data](benchmark::State& state) {
    for (auto _ : state) {
      FileList input = ListOf(data.sorted());
      state.SetIterationTime(SecondsOf([&] { AppendNewPaths(input, data.found()); }));
    }
  });
  Register(names::kSort, [&data](benchmark::State& state) {
    const Collator collator;
    for (auto _ : state) {
      FileList input = ListOf(data.found());
      state.SetIterationTime(SecondsOf([&] { SortByCollation(input, collator); }));
    }
  });
  Register(names::kSortCommand, [&data](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(RunProcess({"sort", data.foundFile()}));
  });
}

void RegisterStatus(const BenchData& data) {
  Register(names::kStatus, [&data](benchmark::State& state) {
    const FileList input = ListOf(data.sorted());
    for (auto _ : state) {
      state.SetIterationTime(
          SecondsOf([&] { benchmark::DoNotOptimize(StatusLineText(input, ListRole::Input)); }));
    }
  });
  Register(names::kStatusLoop, [&data](benchmark::State& state) {
    for (auto _ : state) {
      state.SetIterationTime(
          SecondsOf([&] { benchmark::DoNotOptimize(BareSizeLoop(data.sorted())); }));
    }
  });
}

}  // namespace

void RegisterListBenchmarks(const BenchData& data) {
  RegisterScan(data);
  RegisterInsertAndSort(data);
  RegisterStatus(data);
  RegisterMoves(data, names::kMoveOneOut, names::kMoveOneBack, 1);
  RegisterMoves(data, names::kMoveManyOut, names::kMoveManyBack, 10'000);
}

}  // namespace tunelot::bench
