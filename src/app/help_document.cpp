#include "app/help_document.h"

#include <QFile>
#include <QTextBlock>
#include <QTextCursor>

#include "app/maker.h"
#include "app/program_resources.h"

namespace tunelot {
namespace {

// Rich text measures spacing in pixels of 96 to the inch.
constexpr qreal kPixelsPerPoint = 96.0 / 72.0;

}  // namespace

QString HelpDocumentHtml() {
  LoadProgramResources();
  QFile file(":/tunelot/help.html");
  if (!file.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(file.readAll())
      .replace("{maker}", QString(kMakerName).toHtmlEscaped())
      .replace("{address}", QString(kMakerWebAddress).toHtmlEscaped());
}

void SpaceParagraphs(QTextDocument& document, qreal points) {
  QTextCursor cursor(&document);
  cursor.beginEditBlock();
  for (QTextBlock block = document.begin(); block.isValid() && block != document.lastBlock();
       block = block.next()) {
    QTextBlockFormat format = block.blockFormat();
    format.setTopMargin(points * kPixelsPerPoint);
    format.setBottomMargin(points * kPixelsPerPoint);
    cursor.setPosition(block.position());
    cursor.setBlockFormat(format);
  }
  cursor.endEditBlock();
}

}  // namespace tunelot
