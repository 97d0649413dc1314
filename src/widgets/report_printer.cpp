#include "widgets/report_printer.h"

#include "widgets/report_preview.h"

namespace tunelot {

QString ReportJob::JobName() const {
  const QString& title = settings.memos[kReportTitle].text;
  return title.isEmpty() ? reportId : title;
}

void PreviewReportInteraction::Run(ReportJob& job) {
  ReportPreviewDialog preview(job, job.owner);
  preview.exec();
}

ReportPrinter::ReportPrinter(QWidget* owner)
    : QObject(owner),
      OptionsFile(DefaultReportOptionsFile()),
      owner_(owner),
      interaction_(&ownWindows_) {}

void ReportPrinter::SetInteraction(ReportInteraction* interaction) {
  interaction_ = interaction != nullptr ? interaction : &ownWindows_;
}

void ReportPrinter::Print() {
  ReportJob job{ReportId, ObjectToPrint, LoadReportOptions(OptionsFile, ReportId), OptionsFile,
                owner_};
  if (AfterOptionsLoaded) AfterOptionsLoaded(*this, job.settings);
  interaction_->Run(job);
}

}  // namespace tunelot
