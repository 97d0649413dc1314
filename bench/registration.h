#pragma once

#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>

namespace tunelot::bench {

class BenchData;

// Every benchmark times single runs, each after its own untimed preparation, and the
// table takes the median of the repetitions.
inline benchmark::internal::Benchmark* Register(const char* name,
                                                std::function<void(benchmark::State&)> body,
                                                int repetitions = 7) {
  return benchmark::RegisterBenchmark(name, std::move(body))
      ->UseManualTime()
      ->Iterations(1)
      ->Repetitions(repetitions)
      ->ReportAggregatesOnly(true)
      ->Unit(benchmark::kMillisecond);
}

template <typename Operation>
double SecondsOf(Operation&& operation) {
  const auto start = std::chrono::steady_clock::now();
  operation();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void RegisterListBenchmarks(const BenchData& data);
void RegisterExchangeBenchmarks(const BenchData& data);
void RegisterProcessBenchmarks(const BenchData& data);

}  // namespace tunelot::bench
