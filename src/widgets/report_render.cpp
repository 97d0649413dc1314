#include "widgets/report_render.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>
#include <algorithm>
#include <stdexcept>

namespace tunelot {
namespace {

std::runtime_error Failure(const QString& message) {
  return std::runtime_error(message.toLocal8Bit().toStdString());
}

// Paints memos and rows top-down, page by page.
class ReportPainter {
 public:
  ReportPainter(QPagedPaintDevice& device, const ReportSettings& settings)
      : device_(device),
        settings_(settings),
        body_(settings.font, &device),
        title_(body_),
        small_(body_),
        page_(QPointF(0, 0), device.pageLayout().paintRectPixels(device.logicalDpiX()).size()) {
    title_.setBold(true);
    title_.setPointSizeF(body_.pointSizeF() * 1.4);
    small_.setPointSizeF(body_.pointSizeF() * 0.8);
  }

  bool Paint(const QStringList& lines) {
    if (!painter_.begin(&device_)) return false;
    StartPage();
    Block(Memo(kReportHeader), body_, Qt::AlignLeft);
    for (const QString& line : lines) Row(line);
    Block(Memo(kReportFooter), body_, Qt::AlignLeft);
    EndPage();
    painter_.end();
    return true;
  }

 private:
  const QString& Memo(ReportMemoIndex index) const { return settings_.memos[index].text; }

  double LineHeight(const QFont& font) const { return QFontMetricsF(font, &device_).lineSpacing(); }

  double TextHeight(const QString& text, const QFont& font) const {
    if (text.isEmpty()) return 0;
    return QFontMetricsF(font, &device_)
        .boundingRect(QRectF(0, 0, page_.width(), 1e9), Qt::TextWordWrap, text)
        .height();
  }

  double FooterHeight() const {
    return std::max(TextHeight(Memo(kPageFooterLeft), small_),
                    TextHeight(Memo(kPageFooterRight), small_));
  }

  double Bottom() const { return page_.height() - FooterHeight(); }

  void StartPage() {
    y_ = 0;
    const double header = std::max(TextHeight(Memo(kPageHeaderLeft), small_),
                                   TextHeight(Memo(kPageHeaderRight), small_));
    Draw(Memo(kPageHeaderLeft), small_, Qt::AlignLeft, header);
    Draw(Memo(kPageHeaderRight), small_, Qt::AlignRight, header);
    y_ += header;
    Block(Memo(kReportTitle), title_, Qt::AlignHCenter);
    Block(Memo(kReportSubtitle), body_, Qt::AlignHCenter);
    y_ += LineHeight(body_);
  }

  void EndPage() {
    const double footer = FooterHeight();
    y_ = page_.height() - footer;
    Draw(Memo(kPageFooterLeft), small_, Qt::AlignLeft, footer);
    Draw(Memo(kPageFooterRight), small_, Qt::AlignRight, footer);
  }

  void NewPage() {
    EndPage();
    device_.newPage();
    StartPage();
  }

  void Row(const QString& line) {
    const double height = LineHeight(body_);
    if (y_ + height > Bottom() && y_ > 0) NewPage();
    painter_.setFont(body_);
    const QString shown =
        QFontMetricsF(body_, &device_).elidedText(line, Qt::ElideRight, page_.width());
    painter_.drawText(QRectF(0, y_, page_.width(), height), Qt::AlignLeft | Qt::TextSingleLine,
                      shown);
    y_ += height;
  }

  void Block(const QString& text, const QFont& font, Qt::Alignment align) {
    const double height = TextHeight(text, font);
    if (height == 0) return;
    if (y_ + height > Bottom() && y_ > 0) NewPage();
    Draw(text, font, align, height);
    y_ += height;
  }

  void Draw(const QString& text, const QFont& font, Qt::Alignment align, double height) {
    if (text.isEmpty()) return;
    painter_.setFont(font);
    painter_.drawText(QRectF(0, y_, page_.width(), height), align | Qt::TextWordWrap, text);
  }

  QPagedPaintDevice& device_;
  const ReportSettings& settings_;
  QFont body_;
  QFont title_;
  QFont small_;
  QRectF page_;
  QPainter painter_;
  double y_ = 0;
};

void PrintOnPrinter(const QStringList& lines, const ReportSettings& settings,
                    const QString& jobName) {
  const QPrinterInfo info = settings.printerName.isEmpty()
                                ? QPrinterInfo::defaultPrinter()
                                : QPrinterInfo::printerInfo(settings.printerName);
  if (info.isNull()) {
    throw Failure(settings.printerName.isEmpty()
                      ? QString("There is no default printer")
                      : "The printer \"" + settings.printerName + "\" is not installed");
  }
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(jobName);
  ApplyPageSettings(printer, settings);
  if (!RenderReport(printer, lines, settings) || printer.printerState() == QPrinter::Error) {
    throw Failure("The report could not be printed on " + info.printerName());
  }
}

void PrintToPdf(const QStringList& lines, const ReportSettings& settings, const QString& jobName) {
  if (settings.outputFile.isEmpty()) throw Failure("No file is chosen for the report");
  QPdfWriter writer(settings.outputFile);
  writer.setTitle(jobName);
  ApplyPageSettings(writer, settings);
  if (!RenderReport(writer, lines, settings)) {
    throw Failure("The report could not be written to " + settings.outputFile);
  }
}

}  // namespace

void ApplyPageSettings(QPagedPaintDevice& device, const ReportSettings& settings) {
  device.setPageMargins(settings.margins, QPageLayout::Millimeter);
}

bool RenderReport(QPagedPaintDevice& device, const QStringList& lines,
                  const ReportSettings& settings) {
  return ReportPainter(device, settings).Paint(lines);
}

void WriteReportText(const QString& file, const QStringList& lines,
                     const ReportSettings& settings) {
  QStringList text;
  for (ReportMemoIndex memo : {kReportTitle, kReportSubtitle, kReportHeader}) {
    if (!settings.memos[memo].text.isEmpty()) text << settings.memos[memo].text;
  }
  text << lines;
  if (!settings.memos[kReportFooter].text.isEmpty()) text << settings.memos[kReportFooter].text;
  QFile out(file);
  const QByteArray bytes = (text.join('\n') + '\n').toLocal8Bit();
  if (file.isEmpty() || !out.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
      out.write(bytes) != bytes.size()) {
    throw Failure(file.isEmpty() ? QString("No file is chosen for the report")
                                 : "The report could not be written to " + file);
  }
}

void WriteReport(const QStringList& lines, const ReportSettings& settings, const QString& jobName) {
  switch (settings.output) {
    case ReportOutput::Printer:
      PrintOnPrinter(lines, settings, jobName);
      break;
    case ReportOutput::PdfFile:
      PrintToPdf(lines, settings, jobName);
      break;
    case ReportOutput::TextFile:
      WriteReportText(settings.outputFile, lines, settings);
      break;
  }
}

}  // namespace tunelot
