#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <functional>

#include "widgets/report_settings.h"

namespace tunelot {

// One run of a report print: what is printed, with the options of this run.
struct ReportJob {
  QString reportId;
  QStringList lines;
  ReportSettings settings;
  QString optionsFile;
  QWidget* owner = nullptr;

  // The print job's name: the title, or the report id for an untitled report.
  QString JobName() const;
};

// The user's part of a print, once the options are loaded: the component's own windows,
// or in tests straight output.
class ReportInteraction {
 public:
  virtual ~ReportInteraction() = default;
  // Returns when the user has printed, closed or cancelled.
  virtual void Run(ReportJob& job) = 0;
};

// The report preview, from which the user prints, changes the options in the "Report
// Options" window, or closes.
class PreviewReportInteraction : public ReportInteraction {
 public:
  void Run(ReportJob& job) override;
};

// Prints text lines as a one-column report, one row for each line, under the options
// stored for its report id. Print() runs modally on the calling thread.
class ReportPrinter : public QObject {
  Q_OBJECT

 public:
  explicit ReportPrinter(QWidget* owner);

  // Keys the options the user saves.
  QString ReportId;
  // The rows of the next print.
  QStringList ObjectToPrint;
  // Where the options of every report id are kept.
  QString OptionsFile;
  // Raised once for each print, after the stored options are loaded and before anything
  // is shown; what it changes in the settings holds for that print.
  std::function<void(ReportPrinter& sender, ReportSettings& settings)> AfterOptionsLoaded;

  // nullptr brings back the component's own windows.
  void SetInteraction(ReportInteraction* interaction);
  void Print();

 private:
  QWidget* owner_;
  PreviewReportInteraction ownWindows_;
  ReportInteraction* interaction_;
};

}  // namespace tunelot
