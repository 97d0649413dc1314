#include "widgets/report_options_dialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPrinterInfo>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <stdexcept>

namespace tunelot {
namespace {

constexpr std::array<const char*, 4> kMarginCaptions = {"Left (mm)", "Top (mm)", "Right (mm)",
                                                        "Bottom (mm)"};

template <typename Control>
Control* Named(Control* control, const QString& name) {
  control->setObjectName(name);
  control->setAccessibleName(name);
  return control;
}

QMarginsF MarginsOf(const std::array<QDoubleSpinBox*, 4>& boxes) {
  return {boxes[0]->value(), boxes[1]->value(), boxes[2]->value(), boxes[3]->value()};
}

}  // namespace

ReportOptionsDialog::ReportOptionsDialog(const ReportJob& job, QWidget* parent)
    : QDialog(parent), job_(job) {
  setObjectName("ReportOptions");
  setWindowTitle("Report Options");
  auto* pages = new QTabWidget(this);
  pages->addTab(CreateMemoPage(job.settings), "&Titles and Memos");
  pages->addTab(CreateLayoutPage(job.settings), "&Layout");
  pages->addTab(CreateOutputPage(job.settings), "O&utput");

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  saveButton =
      Named(buttons->addButton("&Save Options", QDialogButtonBox::ActionRole), "saveButton");
  connect(saveButton, &QPushButton::clicked, this, &ReportOptionsDialog::SaveOptions);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(pages);
  layout->addWidget(buttons);
}

QWidget* ReportOptionsDialog::CreateMemoPage(const ReportSettings& settings) {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  for (std::size_t i = 0; i < kReportMemoCount; ++i) {
    memos[i] = Named(new QLineEdit(settings.memos[i].text, page), kReportMemoCaptions[i]);
    form->addRow(QString(kReportMemoCaptions[i]) + ":", memos[i]);
  }
  return page;
}

QWidget* ReportOptionsDialog::CreateLayoutPage(const ReportSettings& settings) {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  fontFamily = Named(new QFontComboBox(page), "fontFamily");
  fontFamily->setCurrentFont(settings.font);
  fontSize = Named(new QSpinBox(page), "fontSize");
  fontSize->setRange(4, 72);
  fontSize->setValue(settings.font.pointSize());
  form->addRow("Font:", fontFamily);
  form->addRow("Size (points):", fontSize);
  const qreal given[] = {settings.margins.left(), settings.margins.top(), settings.margins.right(),
                         settings.margins.bottom()};
  for (std::size_t i = 0; i < margins.size(); ++i) {
    margins[i] = Named(new QDoubleSpinBox(page), kMarginCaptions[i]);
    margins[i]->setRange(0, 100);
    margins[i]->setDecimals(1);
    margins[i]->setValue(given[i]);
    form->addRow(QString(kMarginCaptions[i]) + ":", margins[i]);
  }
  return page;
}

QWidget* ReportOptionsDialog::CreateOutputPage(const ReportSettings& settings) {
  auto* page = new QWidget(this);
  auto* form = new QFormLayout(page);
  toPrinter = Named(new QRadioButton("&Printer", page), "toPrinter");
  toPdfFile = Named(new QRadioButton("P&DF file", page), "toPdfFile");
  toTextFile = Named(new QRadioButton("&Text file", page), "toTextFile");
  toPrinter->setChecked(settings.output == ReportOutput::Printer);
  toPdfFile->setChecked(settings.output == ReportOutput::PdfFile);
  toTextFile->setChecked(settings.output == ReportOutput::TextFile);
  form->addRow(toPrinter);
  form->addRow(toPdfFile);
  form->addRow(toTextFile);

  printer = Named(new QComboBox(page), "printer");
  printer->addItem("Default printer", QString());
  for (const QString& name : QPrinterInfo::availablePrinterNames()) printer->addItem(name, name);
  if (!settings.printerName.isEmpty() && printer->findData(settings.printerName) < 0) {
    printer->addItem(settings.printerName, settings.printerName);
  }
  printer->setCurrentIndex(printer->findData(settings.printerName));
  form->addRow("Printe&r:", printer);

  auto* fileRow = new QHBoxLayout;
  outputFile = Named(new QLineEdit(settings.outputFile, page), "outputFile");
  auto* browse = Named(new QToolButton(page), "browseOutputFile");
  browse->setText("...");
  connect(browse, &QToolButton::clicked, this, &ReportOptionsDialog::BrowseOutputFile);
  fileRow->addWidget(outputFile);
  fileRow->addWidget(browse);
  form->addRow("Output &file:", fileRow);
  return page;
}

ReportSettings ReportOptionsDialog::Settings() const {
  ReportSettings settings = job_.settings;
  for (std::size_t i = 0; i < kReportMemoCount; ++i) settings.memos[i].text = memos[i]->text();
  settings.font = fontFamily->currentFont();
  settings.font.setPointSize(fontSize->value());
  settings.margins = MarginsOf(margins);
  settings.output = toPdfFile->isChecked()    ? ReportOutput::PdfFile
                    : toTextFile->isChecked() ? ReportOutput::TextFile
                                              : ReportOutput::Printer;
  settings.printerName = printer->currentData().toString();
  settings.outputFile = outputFile->text();
  return settings;
}

void ReportOptionsDialog::SaveOptions() {
  try {
    SaveReportOptions(job_.optionsFile, job_.reportId, Settings());
  } catch (const std::runtime_error& error) {
    QMessageBox::critical(this, "Error", QString::fromLocal8Bit(error.what()));
  }
}

void ReportOptionsDialog::BrowseOutputFile() {
  const QString filter = toTextFile->isChecked() ? "Text Files (*.txt)" : "PDF Files (*.pdf)";
  const QString chosen =
      QFileDialog::getSaveFileName(this, "Output File", outputFile->text(), filter);
  if (!chosen.isEmpty()) outputFile->setText(chosen);
}

}  // namespace tunelot
