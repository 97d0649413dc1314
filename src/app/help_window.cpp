#include "app/help_window.h"

#include "app/help_document.h"
#include "app/program_resources.h"
#include "widgets/dialog_frame.h"

namespace tunelot {
namespace {

constexpr qreal kParagraphSpacePoints = 5;

}  // namespace

TFormTunelotHelp::TFormTunelotHelp(PrintTarget& printTarget, QWidget* parent)
    : QDialog(parent), printTarget_(printTarget) {
  setObjectName("FormTunelotHelp");
  setWindowTitle("Help Tunelot");
  UseFixedDialogFrame(*this);

  wwDBRichEdit1 = new RichTextView(this);
  wwDBRichEdit1->setObjectName("wwDBRichEdit1");
  wwDBRichEdit1->setAccessibleName("Help text");
  wwDBRichEdit1->setGeometry(0, 0, 688, 417);
  wwDBRichEdit1->setHtml(HelpDocumentHtml());
  SpaceParagraphs(*wwDBRichEdit1->document(), kParagraphSpacePoints);

  BitBtnPrint = new QPushButton(this);
  BitBtnPrint->setObjectName("BitBtnPrint");
  BitBtnPrint->setAccessibleName("Print");
  BitBtnPrint->setToolTip("Print");
  BitBtnPrint->setIcon(PrinterIcon());
  BitBtnPrint->setIconSize(QSize(32, 32));
  BitBtnPrint->setAutoDefault(false);
  BitBtnPrint->setGeometry(634, 421, 49, 38);
  connect(BitBtnPrint, &QPushButton::clicked, this, &TFormTunelotHelp::BitBtnPrintClick);

  setTabOrder(wwDBRichEdit1, BitBtnPrint);
  setFixedSize(688, 465);
  move(228, 162);
}

void TFormTunelotHelp::BitBtnPrintClick() {
  const std::unique_ptr<QPrinter> printer = printTarget_.DefaultPrinter();
  wwDBRichEdit1->Print(*printer, "Tunelot Help");
}

}  // namespace tunelot
