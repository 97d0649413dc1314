#include "widgets/rich_text_view.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QTextFrame>
#include <memory>
#include <stdexcept>

namespace tunelot {
namespace {

// A copy of the document laid out for the printer's page, without the margin the view
// keeps around its text.
std::unique_ptr<QTextDocument> PageCopy(const QTextDocument& document, QPrinter& printer,
                                        const QSizeF& page) {
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->documentLayout()->setPaintDevice(&printer);
  copy->setDocumentMargin(0);
  copy->setPageSize(page);
  return copy;
}

}  // namespace

RichTextView::RichTextView(QWidget* parent) : QTextEdit(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QTextEdit::WidgetWidth);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  setAcceptRichText(false);
}

void RichTextView::Print(QPrinter& printer, const QString& jobName) const {
  printer.setDocName(jobName);
  printer.setFullPage(false);
  printer.setPageMargins(PrintMargins, QPageLayout::Inch);
  const QSizeF page = printer.pageLayout().paintRectPixels(printer.resolution()).size();
  const std::unique_ptr<QTextDocument> copy = PageCopy(*document(), printer, page);
  QPainter painter;
  if (!painter.begin(&printer)) throw std::runtime_error("The printer could not be started");
  const int pages = copy->pageCount();
  for (int index = 0; index < pages; ++index) {
    if (index > 0) printer.newPage();
    const QRectF shown(QPointF(0, index * page.height()), page);
    painter.save();
    painter.translate(0, -shown.top());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = shown;
    painter.setClipRect(shown);
    copy->documentLayout()->draw(&painter, context);
    painter.restore();
  }
  painter.end();
  if (printer.printerState() == QPrinter::Error) {
    throw std::runtime_error("The document could not be printed");
  }
}

}  // namespace tunelot
