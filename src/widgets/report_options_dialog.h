#pragma once

#include <QComboBox>
#include <QDialog>
#include <QDoubleSpinBox>
#include <QFontComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>

#include "widgets/report_printer.h"

namespace tunelot {

// "Report Options": the memos, the font and margins, the output (a printer, a PDF file or
// a text file) and the printer; the options can be saved under the report id.
class ReportOptionsDialog : public QDialog {
  Q_OBJECT

 public:
  ReportOptionsDialog(const ReportJob& job, QWidget* parent = nullptr);

  // The options as the controls show them.
  ReportSettings Settings() const;
  // Saves the options shown under the report id; a failure is shown here.
  void SaveOptions();

  std::array<QLineEdit*, kReportMemoCount> memos;
  QFontComboBox* fontFamily;
  QSpinBox* fontSize;
  std::array<QDoubleSpinBox*, 4> margins;  // left, top, right, bottom
  QRadioButton* toPrinter;
  QRadioButton* toPdfFile;
  QRadioButton* toTextFile;
  QComboBox* printer;
  QLineEdit* outputFile;
  QPushButton* saveButton;

 private:
  QWidget* CreateMemoPage(const ReportSettings& settings);
  QWidget* CreateLayoutPage(const ReportSettings& settings);
  QWidget* CreateOutputPage(const ReportSettings& settings);
  void BrowseOutputFile();

  const ReportJob& job_;
};

}  // namespace tunelot
