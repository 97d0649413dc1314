#include "widgets/report_settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <stdexcept>

namespace tunelot {
namespace {

constexpr std::array<const char*, 3> kOutputNames = {"printer", "pdf", "text"};

QString MemoKey(std::size_t index) { return QString("Memo%1").arg(index + 1); }

ReportOutput OutputNamed(const QString& name, ReportOutput fallback) {
  for (std::size_t i = 0; i < kOutputNames.size(); ++i) {
    if (name == kOutputNames[i]) return static_cast<ReportOutput>(i);
  }
  return fallback;
}

QString OutputName(ReportOutput output) { return kOutputNames[static_cast<std::size_t>(output)]; }

QMarginsF ReadMargins(const QSettings& store, const QMarginsF& fallback) {
  return {store.value("MarginLeft", fallback.left()).toDouble(),
          store.value("MarginTop", fallback.top()).toDouble(),
          store.value("MarginRight", fallback.right()).toDouble(),
          store.value("MarginBottom", fallback.bottom()).toDouble()};
}

}  // namespace

const std::array<const char*, kReportMemoCount> kReportMemoCaptions = {
    "Report Title",     "Subtitle",          "Page Header Left", "Page Header Right",
    "Page Footer Left", "Page Footer Right", "Report Header",    "Report Footer"};

QString DefaultReportOptionsFile() {
  return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) +
         "/report-options.ini";
}

ReportSettings LoadReportOptions(const QString& file, const QString& reportId) {
  ReportSettings settings;
  QSettings store(file, QSettings::IniFormat);
  store.beginGroup(reportId);
  for (std::size_t i = 0; i < kReportMemoCount; ++i) {
    settings.memos[i].text = store.value(MemoKey(i)).toString();
  }
  QFont font;
  if (font.fromString(store.value("Font").toString())) settings.font = font;
  settings.margins = ReadMargins(store, settings.margins);
  settings.output = OutputNamed(store.value("Output").toString(), settings.output);
  settings.printerName = store.value("Printer").toString();
  settings.outputFile = store.value("OutputFile").toString();
  return settings;
}

void SaveReportOptions(const QString& file, const QString& reportId,
                       const ReportSettings& settings) {
  QDir().mkpath(QFileInfo(file).absolutePath());
  QSettings store(file, QSettings::IniFormat);
  store.beginGroup(reportId);
  for (std::size_t i = 0; i < kReportMemoCount; ++i) {
    store.setValue(MemoKey(i), settings.memos[i].text);
  }
  store.setValue("Font", settings.font.toString());
  store.setValue("MarginLeft", settings.margins.left());
  store.setValue("MarginTop", settings.margins.top());
  store.setValue("MarginRight", settings.margins.right());
  store.setValue("MarginBottom", settings.margins.bottom());
  store.setValue("Output", OutputName(settings.output));
  store.setValue("Printer", settings.printerName);
  store.setValue("OutputFile", settings.outputFile);
  store.endGroup();
  store.sync();
  if (store.status() != QSettings::NoError) {
    throw std::runtime_error("The report options could not be saved to " +
                             file.toLocal8Bit().toStdString());
  }
}

}  // namespace tunelot
