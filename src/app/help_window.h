#pragma once

#include <QDialog>
#include <QPushButton>

#include "widgets/print_target.h"
#include "widgets/rich_text_view.h"

namespace tunelot {

// The help window: the fixed user guide, read-only, and a button that prints it on the
// default printer.
class TFormTunelotHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormTunelotHelp(PrintTarget& printTarget, QWidget* parent = nullptr);

  RichTextView* wwDBRichEdit1;
  QPushButton* BitBtnPrint;

  // Prints at once, with no print dialog. A missing printer or a printing error is not
  // handled here: it goes on to the error report.
  void BitBtnPrintClick();

 private:
  PrintTarget& printTarget_;
};

}  // namespace tunelot
