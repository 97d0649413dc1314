#pragma once

#include <QFont>
#include <QMarginsF>
#include <QString>
#include <array>
#include <cstddef>

namespace tunelot {

// The report's memos, in their fixed order.
enum ReportMemoIndex : std::size_t {
  kReportTitle,
  kReportSubtitle,
  kPageHeaderLeft,
  kPageHeaderRight,
  kPageFooterLeft,
  kPageFooterRight,
  kReportHeader,
  kReportFooter,
  kReportMemoCount
};

// The captions of the memos in the options window, in the memos' order.
extern const std::array<const char*, kReportMemoCount> kReportMemoCaptions;

struct ReportMemo {
  QString text;
};

enum class ReportOutput { Printer, PdfFile, TextFile };

// The options of one report run.
struct ReportSettings {
  std::array<ReportMemo, kReportMemoCount> memos;
  QFont font{"Arial", 10};
  QMarginsF margins{20, 20, 20, 20};  // millimetres
  ReportOutput output = ReportOutput::Printer;
  QString printerName;  // empty for the default printer
  QString outputFile;   // for a PDF or text file
};

// The options file in the user's configuration folder.
QString DefaultReportOptionsFile();

// The options saved in `file` under `reportId`; the defaults for whatever is not saved.
ReportSettings LoadReportOptions(const QString& file, const QString& reportId);

// Saves the options under `reportId`, keeping those of other reports. Throws
// std::runtime_error when the file cannot be written.
void SaveReportOptions(const QString& file, const QString& reportId,
                       const ReportSettings& settings);

}  // namespace tunelot
