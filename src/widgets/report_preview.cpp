#include "widgets/report_preview.h"

#include <QHBoxLayout>
#include <QMessageBox>
#include <QVBoxLayout>
#include <stdexcept>

#include "widgets/report_options_dialog.h"
#include "widgets/report_render.h"

namespace tunelot {
namespace {

QPushButton* Button(const QString& caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(name);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

ReportPreviewDialog::ReportPreviewDialog(ReportJob& job, QWidget* parent)
    : QDialog(parent), job_(job), pagePrinter_(QPrinter::HighResolution) {
  setObjectName("ReportPreview");
  setWindowTitle("Report Preview");
  ApplyPageSettings(pagePrinter_, job_.settings);
  preview = new QPrintPreviewWidget(&pagePrinter_, this);
  preview->setObjectName("preview");
  connect(preview, &QPrintPreviewWidget::paintRequested, this,
          [this](QPrinter* printer) { RenderReport(*printer, job_.lines, job_.settings); });

  printButton = Button("&Print", "printButton", this);
  optionsButton = Button("&Options...", "optionsButton", this);
  closeButton = Button("&Close", "closeButton", this);
  connect(printButton, &QPushButton::clicked, this, &ReportPreviewDialog::PrintReport);
  connect(optionsButton, &QPushButton::clicked, this, &ReportPreviewDialog::ShowOptions);
  connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(printButton);
  buttons->addWidget(optionsButton);
  buttons->addStretch();
  buttons->addWidget(closeButton);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons);
  layout->addWidget(preview);
  resize(720, 800);
}

void ReportPreviewDialog::PrintReport() {
  try {
    WriteReport(job_.lines, job_.settings, job_.JobName());
  } catch (const std::runtime_error& error) {
    QMessageBox::critical(this, "Error", QString::fromLocal8Bit(error.what()));
  }
}

void ReportPreviewDialog::ShowOptions() {
  ReportOptionsDialog options(job_, this);
  if (options.exec() != QDialog::Accepted) return;
  job_.settings = options.Settings();
  Refresh();
}

void ReportPreviewDialog::Refresh() {
  ApplyPageSettings(pagePrinter_, job_.settings);
  preview->updatePreview();
}

}  // namespace tunelot
