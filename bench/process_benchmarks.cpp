// The copy job against cp and sync, and whole processes: start-up and peak memory.
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

#include <fcntl.h>
#include <unistd.h>

#include "actions/copy_job.h"
#include "bench_data.h"
#include "bench_names.h"
#include "platform/file_copy.h"
#include "process_run.h"
#include "registration.h"

namespace tunelot::bench {
namespace {

constexpr int kCopyRepetitions = 9;
constexpr char kEntries[] = "200000";

// Each copy starts into an empty folder with nothing waiting to be written.
void EmptyFolder(const std::string& folder) {
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    std::filesystem::remove(entry.path());
  }
  sync();
}

// What the copy job does at the least: the system's copy and a flush of each file, and of
// the folder at the end.
void BareCopyLoop(const std::vector<std::string>& sources, const std::string& folder) {
  for (const std::string& source : sources) {
    const int from = open(source.c_str(), O_RDONLY | O_CLOEXEC);
    const std::string target = folder + "/" + std::filesystem::path(source).filename().string();
    const int to = open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (from < 0 || to < 0) throw std::runtime_error("cannot copy " + source);
    while (copy_file_range(from, nullptr, to, nullptr, std::size_t{1} << 30, 0) > 0) {
    }
    fsync(to);
    close(to);
    close(from);
  }
  const int directory = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  fsync(directory);
  close(directory);
}

void RegisterCopies(const BenchData& data) {
  const std::string ours = data.Folder("copy-tunelot");
  const std::string theirs = data.Folder("copy-cp");
  const std::string bare = data.Folder("copy-bare");
  Register(
      names::kCopy,
      [&data, ours](benchmark::State& state) {
        SystemFileCopier copier;
        for (auto _ : state) {
          EmptyFolder(ours);
          CopyEndMessage end{};
          state.SetIterationTime(
              SecondsOf([&] { end = RunCopyJob(data.copySources(), ours, copier); }));
          if (end.isError) state.SkipWithError(end.text.c_str());
        }
      },
      kCopyRepetitions);
  Register(
      names::kCopyCommand,
      [&data, theirs](benchmark::State& state) {
        std::vector<std::string> cp = {"cp"};
        cp.insert(cp.end(), data.copySources().begin(), data.copySources().end());
        cp.push_back(theirs + "/");
        for (auto _ : state) {
          EmptyFolder(theirs);
          state.SetIterationTime(RunProcess(cp) + RunProcess({"sync"}));
        }
      },
      kCopyRepetitions);
  Register(
      names::kCopyLoop,
      [&data, bare](benchmark::State& state) {
        for (auto _ : state) {
          EmptyFolder(bare);
          state.SetIterationTime(SecondsOf([&] { BareCopyLoop(data.copySources(), bare); }));
        }
      },
      kCopyRepetitions);
}

void RegisterStartUp(const char* name, std::vector<std::string> argv,
                     std::vector<std::string> environment) {
  Register(name, [argv, environment](benchmark::State& state) {
    for (auto _ : state) state.SetIterationTime(RunProcess(argv, environment));
  });
}

// The helper prints its own peak memory when it ends.
void RegisterPeakMemory(const BenchData& data, const char* name, std::vector<std::string> argv,
                        std::vector<std::string> environment) {
  std::string file = name;
  std::replace(file.begin(), file.end(), '/', '_');
  const std::string output = data.root() + "/" + file + ".peak";
  Register(name, [argv, environment, output](benchmark::State& state) {
    for (auto _ : state) {
      state.SetIterationTime(RunProcess(argv, environment, output));
      double peak = 0;
      std::ifstream(output) >> peak;
      state.counters[names::kPeakCounter] = peak;
    }
  });
}

// Qt programs without a display, with a runtime folder of their own so that they start
// without a warning.
std::vector<std::string> Offscreen(const BenchData& data) {
  const std::string runtime = data.Folder("runtime");
  std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
  return {"QT_QPA_PLATFORM=offscreen", "XDG_RUNTIME_DIR=" + runtime};
}

void RegisterGuiProcesses(const BenchData& data) {
  const std::vector<std::string> offscreen = Offscreen(data);
  std::vector<std::string> quitAfterShow = offscreen;
  quitAfterShow.push_back("TUNELOT_QUIT_AFTER_SHOW=1");
  RegisterStartUp(names::kStartUp, {TUNELOT_PROGRAM}, quitAfterShow);
  RegisterStartUp(names::kStartUpBare, {TUNELOT_GUI_HELPER, "bare"}, offscreen);
  RegisterPeakMemory(data, names::kWindowMemory, {TUNELOT_GUI_HELPER, "window", kEntries},
                     offscreen);
  RegisterPeakMemory(data, names::kWindowMemoryEmpty, {TUNELOT_GUI_HELPER, "window", "0"},
                     offscreen);
}

}  // namespace

void RegisterProcessBenchmarks(const BenchData& data) {
  RegisterCopies(data);
  RegisterPeakMemory(data, names::kListMemory, {TUNELOT_LIST_HELPER, kEntries}, {});
  if (std::string(TUNELOT_PROGRAM).empty()) return;
  RegisterGuiProcesses(data);
}

}  // namespace tunelot::bench
