#pragma once

#include <functional>
#include <vector>

#include "widgets/report_printer.h"
#include "widgets/report_render.h"

namespace tunelot::testing {

// The print component without its windows: each run is recorded and written straight to the
// output its settings name, as if the user had pressed Print in the preview.
class DirectReportOutput : public ReportInteraction {
 public:
  void Run(ReportJob& job) override {
    jobs.push_back(job);
    if (during) during(job);
    WriteReport(job.lines, job.settings, job.JobName());
  }

  std::vector<ReportJob> jobs;
  // Runs inside each print, before the output is written.
  std::function<void(ReportJob&)> during;
};

}  // namespace tunelot::testing
