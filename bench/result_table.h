#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

namespace tunelot::bench {

// Prints each benchmark's median as Google Benchmark does and, at the end, the table of
// our figures beside the comparisons measured in the same run.
class TableReporter : public benchmark::ConsoleReporter {
 public:
  // `notes` go under the table.
  TableReporter(std::string locale, std::vector<std::string> notes);
  void ReportRuns(const std::vector<Run>& runs) override;
  void Finalize() override;

 private:
  struct Median {
    double seconds = 0;
    double peakMegabytes = 0;
  };
  const Median* Find(const std::string& name) const;
  void PrintTable(std::ostream& out) const;

  std::string locale_;
  std::vector<std::string> notes_;
  std::map<std::string, Median> medians_;
};

}  // namespace tunelot::bench
