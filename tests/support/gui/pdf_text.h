#pragma once

#include <QProcess>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QXmlStreamReader>

namespace tunelot::testing {

inline QString PdfToText(const QStringList& arguments) {
  QProcess process;
  process.start("pdftotext", arguments);
  process.waitForFinished(-1);
  return QString::fromUtf8(process.readAllStandardOutput());
}

// The non-empty text lines of each page of a PDF file, as pdftotext reads them.
inline QList<QStringList> PdfPageLines(const QString& file) {
  QList<QStringList> pages;
  QStringList texts = PdfToText({file, "-"}).split('\f');
  if (!texts.isEmpty() && texts.last().trimmed().isEmpty()) texts.removeLast();
  for (const QString& text : texts) {
    QStringList lines;
    for (const QString& line : text.split('\n')) {
      if (!line.trimmed().isEmpty()) lines << line.trimmed();
    }
    pages << lines;
  }
  return pages;
}

struct PdfWord {
  int page = 0;
  QSizeF pageSize;  // in points
  QRectF box;       // in points from the page's top left corner
  QString text;
};

// Every word of a PDF file with its place.
inline QList<PdfWord> PdfWords(const QString& file) {
  QXmlStreamReader xml(PdfToText({"-bbox", file, "-"}));
  QList<PdfWord> words;
  int page = 0;
  QSizeF pageSize;
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    const QXmlStreamAttributes at = xml.attributes();
    if (xml.name() == QStringLiteral("page")) {
      ++page;
      pageSize = QSizeF(at.value("width").toDouble(), at.value("height").toDouble());
    } else if (xml.name() == QStringLiteral("word")) {
      const QPointF topLeft(at.value("xMin").toDouble(), at.value("yMin").toDouble());
      const QPointF bottomRight(at.value("xMax").toDouble(), at.value("yMax").toDouble());
      words.push_back({page, pageSize, QRectF(topLeft, bottomRight), xml.readElementText()});
    }
  }
  return words;
}

}  // namespace tunelot::testing
