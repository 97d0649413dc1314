// Tunelot's benchmarks: each operation of the program on data made for the run, beside
// the tool a user would reach for, measured in the same run on the same data.
#include <benchmark/benchmark.h>

#include <clocale>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <memory>

#include <locale.h>

#include "bench_data.h"
#include "registration.h"
#include "result_table.h"

namespace {

constexpr char kPreferredLocale[] = "en_US.UTF-8";

bool LocaleExists(const char* name) {
  const locale_t handle = newlocale(LC_ALL_MASK, name, static_cast<locale_t>(0));
  if (handle == static_cast<locale_t>(0)) return false;
  freelocale(handle);
  return true;
}

// The user's locale, or en_US.UTF-8 where the machine has it, for us and the commands.
std::string ChooseLocale() {
  if (LocaleExists(kPreferredLocale)) setenv("LC_ALL", kPreferredLocale, 1);
  const char* chosen = std::setlocale(LC_ALL, "");
  return chosen != nullptr ? chosen : "C";
}

// Repetitions of different benchmarks take turns, so a neighbour's load on the machine
// falls on ours and on the comparison alike; flags given on the command line win.
std::vector<char*> WithDefaults(int argc, char** argv) {
  static char interleave[] = "--benchmark_enable_random_interleaving=true";
  std::vector<char*> args = {argv[0], interleave};
  args.insert(args.end(), argv + 1, argv + argc);
  args.push_back(nullptr);
  return args;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string locale = ChooseLocale();
  std::vector<char*> args = WithDefaults(argc, argv);
  int count = static_cast<int>(args.size()) - 1;
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  try {
    std::cerr << "Making the test data in a temporary folder...\n";
    const tunelot::bench::BenchData data;
    tunelot::bench::RegisterListBenchmarks(data);
    tunelot::bench::RegisterExchangeBenchmarks(data);
    tunelot::bench::RegisterProcessBenchmarks(data);
    tunelot::bench::TableReporter reporter(
        locale, {std::string("`sort` puts the paths in the order of SortByCollation: ") +
                 (data.SortCommandAgrees() ? "yes." : "no.")});
    benchmark::RunSpecifiedBenchmarks(&reporter);
  } catch (const std::exception& error) {
    std::cerr << "tunelot_bench: " << error.what() << "\n";
    return 1;
  }
  benchmark::Shutdown();
  return 0;
}
