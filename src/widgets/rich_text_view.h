#pragma once

#include <QMarginsF>
#include <QPrinter>
#include <QString>
#include <QTextEdit>

namespace tunelot {

// A read-only rich-text view: its text can be selected and scrolled, never changed; lines
// wrap at the view's width under a vertical scroll bar; web addresses stay plain text. It
// prints its document page by page within its print margins, with no header or footer.
class RichTextView : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextView(QWidget* parent = nullptr);

  // In inches, from the paper's edges.
  QMarginsF PrintMargins{1, 1, 1, 1};

  // Prints the whole document on `printer` as the job `jobName`. Throws std::runtime_error
  // when the printer cannot print.
  void Print(QPrinter& printer, const QString& jobName) const;
};

}  // namespace tunelot
