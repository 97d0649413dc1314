#pragma once

#include <QDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>

#include "widgets/report_printer.h"

namespace tunelot {

// The report preview: the pages as they will print, with buttons to print them to the
// chosen output, to change the options, and to close.
class ReportPreviewDialog : public QDialog {
  Q_OBJECT

 public:
  ReportPreviewDialog(ReportJob& job, QWidget* parent = nullptr);

  QPrintPreviewWidget* preview;
  QPushButton* printButton;
  QPushButton* optionsButton;
  QPushButton* closeButton;

  // Writes the report to the chosen output; a failure is shown here, the preview stays.
  void PrintReport();
  void ShowOptions();

 private:
  void Refresh();

  ReportJob& job_;
  QPrinter pagePrinter_;
};

}  // namespace tunelot
