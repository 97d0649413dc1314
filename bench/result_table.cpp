#include "result_table.h"

#include <cstdio>
#include <utility>

#include "bench_names.h"

namespace tunelot::bench {
namespace {

// What a row is held to; 0 where there is no such goal.
struct Goal {
  double maxRatio = 0;
  double maxSeconds = 0;
  double maxMegabytes = 0;
};

struct Row {
  const char* operation;
  const char* ours;
  const char* comparison;  // nullptr: none
  const char* comparedWith;
  Goal goal;
};

// Both status refreshes of a move open every file of the two lists once.
constexpr char kRefreshFloor[] = "open, fstat, close loop over both lists";

const std::vector<Row>& Rows() {
  using namespace names;
  static const std::vector<Row> rows = {
      {"Scan: walk of 100,000 songs in 1,000 folders (ScanFolder)",
       kWalk,
       kWalkFind,
       "`find DIR -iname '*.mp3'`",
       {1.5, 0, 0}},
      {"Scan: insert of 100,000 new paths (AppendNewPaths)", kInsert, nullptr, "", {0, 0.3, 0}},
      {"Scan again: insert of 100,000 held paths", kInsertHeld, nullptr, "", {0, 0.3, 0}},
      {"Sort of 100,000 paths (SortByCollation)",
       kSort,
       kSortCommand,
       "`sort`, same LC_ALL",
       {1.5, 0.3, 0}},
      {"Status refresh of 100,000 entries (StatusLineText)",
       kStatus,
       kStatusLoop,
       "open, fstat, close loop",
       {1.3, 0.3, 0}},
      {"Get files: walk, insert, sort, status refresh", kGetFiles, nullptr, "", {}},
      {"Move 1 of 100,000 to the output list",
       kMoveOneOut,
       kStatusLoop,
       kRefreshFloor,
       {0, 0.3, 0}},
      {"Move 1 back into the input list", kMoveOneBack, kStatusLoop, kRefreshFloor, {0, 0.3, 0}},
      {"Move 10,000 of 100,000 to the output list",
       kMoveManyOut,
       kStatusLoop,
       kRefreshFloor,
       {0, 0.3, 0}},
      {"Move 10,000 back into the input list",
       kMoveManyBack,
       kStatusLoop,
       kRefreshFloor,
       {0, 0.3, 0}},
      {"Save a 100,000-entry list file (WriteListFile)", kSave, nullptr, "", {0, 0.3, 0}},
      {"Load a 100,000-entry list file (ReadListFile)", kLoad, nullptr, "", {0, 0.3, 0}},
      {"Paste 100,000 lines (PasteIntoList)", kPaste, nullptr, "", {0, 0.3, 0}},
      {"Copy job: 100 files of 8 MiB (RunCopyJob)",
       kCopy,
       kCopyCommand,
       "`cp` of the files, then `sync`",
       {1.2, 0, 0}},
      {"Copy job against the same flushes", kCopy, kCopyLoop, "copy_file_range and fsync loop", {}},
      {"Start-up to the first shown window",
       kStartUp,
       kStartUpBare,
       "empty Qt main window",
       {0, 0.5, 0}},
      {"Peak memory, 200,000 input entries (window)",
       kWindowMemory,
       kWindowMemoryEmpty,
       "the window with empty lists",
       {0, 0, 150}},
      {"Peak memory, 200,000 entries (FileList alone)", kListMemory, nullptr, "", {0, 0, 150}},
  };
  return rows;
}

bool IsMemory(const Row& row) { return row.goal.maxMegabytes > 0; }

std::string Format(const char* pattern, double value) {
  char text[64];
  std::snprintf(text, sizeof text, pattern, value);
  return text;
}

std::string ValueText(const Row& row, double value) {
  if (IsMemory(row)) return Format("%.1f MiB", value);
  return value < 10 ? Format("%.1f ms", value * 1000) : Format("%.2f s", value);
}

double ValueOf(const Row& row, double seconds, double megabytes) {
  return IsMemory(row) ? megabytes : seconds;
}

std::string GoalText(const Goal& goal) {
  std::string text;
  const auto add = [&text](const std::string& part) { text += (text.empty() ? "" : ", ") + part; };
  if (goal.maxRatio > 0) add(Format("≤ %.1fx", goal.maxRatio));
  if (goal.maxSeconds > 0) add(Format("< %.1f s", goal.maxSeconds));
  if (goal.maxMegabytes > 0) add(Format("< %.0f MiB", goal.maxMegabytes));
  return text.empty() ? "—" : text;
}

// A ratio of 0 stands for a comparison that did not run, which meets no ratio goal.
bool GoalMet(const Goal& goal, double value, double ratio) {
  if (goal.maxRatio > 0 && !(ratio > 0 && ratio <= goal.maxRatio)) return false;
  if (goal.maxSeconds > 0 && !(value < goal.maxSeconds)) return false;
  return !(goal.maxMegabytes > 0 && !(value < goal.maxMegabytes));
}

bool HasGoal(const Goal& goal) {
  return goal.maxRatio > 0 || goal.maxSeconds > 0 || goal.maxMegabytes > 0;
}

}  // namespace

TableReporter::TableReporter(std::string locale, std::vector<std::string> notes)
    : benchmark::ConsoleReporter(OO_None), locale_(std::move(locale)), notes_(std::move(notes)) {}

void TableReporter::ReportRuns(const std::vector<Run>& runs) {
  std::vector<Run> shown;
  for (const Run& run : runs) {
    const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
    const bool single = run.run_type == Run::RT_Iteration && run.repetitions <= 1;
    if (!median && !single) continue;
    if (run.error_occurred) continue;
    const auto counter = run.counters.find(names::kPeakCounter);
    medians_[run.run_name.function_name] =
        Median{run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit),
               counter == run.counters.end() ? 0.0 : counter->second.value};
    shown.push_back(run);
  }
  for (const Run& run : runs) {
    if (run.error_occurred) shown.push_back(run);
  }
  ConsoleReporter::ReportRuns(shown);
}

void TableReporter::Finalize() {
  ConsoleReporter::Finalize();
  PrintTable(GetOutputStream());
}

const TableReporter::Median* TableReporter::Find(const std::string& name) const {
  const auto found = medians_.find(name);
  return found == medians_.end() ? nullptr : &found->second;
}

void TableReporter::PrintTable(std::ostream& out) const {
  out << "\nMedians of the repetitions; collation locale " << locale_ << ".\n\n"
      << "| Operation | Tunelot | Comparison | Compared with | Ratio | Goal | Met |\n"
      << "|---|---:|---:|---|---:|---|---|\n";
  for (const Row& row : Rows()) {
    const Median* ours = Find(row.ours);
    if (ours == nullptr) continue;
    const double value = ValueOf(row, ours->seconds, ours->peakMegabytes);
    const Median* theirs = row.comparison != nullptr ? Find(row.comparison) : nullptr;
    const double comparison =
        theirs != nullptr ? ValueOf(row, theirs->seconds, theirs->peakMegabytes) : 0;
    const double ratio = theirs != nullptr ? value / comparison : 0;
    out << "| " << row.operation << " | " << ValueText(row, value) << " | "
        << (theirs != nullptr ? ValueText(row, comparison) : "—") << " | "
        << (theirs != nullptr ? row.comparedWith : "—") << " | "
        << (theirs != nullptr ? Format("%.2fx", ratio) : "—") << " | " << GoalText(row.goal)
        << " | " << (HasGoal(row.goal) ? (GoalMet(row.goal, value, ratio) ? "yes" : "**no**") : "—")
        << " |\n";
  }
  out << "\n";
  for (const std::string& note : notes_) out << note << "\n";
}

}  // namespace tunelot::bench
