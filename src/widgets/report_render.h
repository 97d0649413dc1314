#pragma once

#include <QPagedPaintDevice>
#include <QString>
#include <QStringList>

#include "widgets/report_settings.h"

namespace tunelot {

// Gives the device the settings' page margins.
void ApplyPageSettings(QPagedPaintDevice& device, const ReportSettings& settings);

// Lays the report out on the device's pages within its margins: at the top of each page the
// page header memos, the title and the subtitle; the report header before the first row;
// one row for each line, in order, a new page where the next row no longer fits; the report
// footer after the last row; the page footer memos at the bottom of each page. False when
// the device cannot be painted on.
bool RenderReport(QPagedPaintDevice& device, const QStringList& lines,
                  const ReportSettings& settings);

// The report as plain text: the title, subtitle and report header, the lines, the report
// footer, each memo left out while empty. Throws std::runtime_error when it cannot be written.
void WriteReportText(const QString& file, const QStringList& lines, const ReportSettings& settings);

// The report on the settings' output: the chosen or default printer under `jobName`, a PDF
// file or a text file. Throws std::runtime_error when that output cannot be had.
void WriteReport(const QStringList& lines, const ReportSettings& settings, const QString& jobName);

}  // namespace tunelot
