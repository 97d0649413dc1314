// The list file and the clipboard text with a whole scan's worth of entries.
#include "bench_data.h"
#include "bench_names.h"
#include "exchange/clipboard_text.h"
#include "exchange/list_file.h"
#include "lists/file_list.h"
#include "registration.h"

namespace tunelot::bench {
namespace {

// The output list after every found file was moved into it.
FileList MovedInList(const std::vector<std::string>& paths) {
  FileList list;
  {
    UpdateBracket bracket(list);
    for (const std::string& path : paths) list.Append(Entry(path));
  }
  return list;
}

}  // namespace

void RegisterExchangeBenchmarks(const BenchData& data) {
  const std::string listFile = data.root() + "/list.txt";
  Register(names::kSave, [&data, listFile](benchmark::State& state) {
    const FileList output = MovedInList(data.sorted());
    for (auto _ : state)
      state.SetIterationTime(SecondsOf([&] { WriteListFile(output, listFile); }));
  });
  Register(names::kLoad, [&data, listFile](benchmark::State& state) {
    WriteListFile(MovedInList(data.sorted()), listFile);
    for (auto _ : state) {
      FileList output;
      state.SetIterationTime(SecondsOf([&] { ReadListFile(output, listFile); }));
      if (output.Count() != kTreeSongs) state.SkipWithError("the load lost entries");
    }
  });
  Register(names::kPaste, [&data](benchmark::State& state) {
    const std::string text = CopyText(MovedInList(data.sorted()));
    for (auto _ : state) {
      FileList output;
      state.SetIterationTime(SecondsOf([&] { PasteIntoList(output, text); }));
    }
  });
}

}  // namespace tunelot::bench
