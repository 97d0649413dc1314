#include "app/help_window.h"

#include <QVBoxLayout>

namespace tunelot {

TFormTunelotHelp::TFormTunelotHelp(QWidget* parent) : QDialog(parent) {
  setObjectName("FormTunelotHelp");
  setWindowTitle("Help Tunelot");
  wwDBRichEdit1 = new QTextBrowser(this);
  wwDBRichEdit1->setObjectName("wwDBRichEdit1");
  wwDBRichEdit1->setOpenLinks(false);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(wwDBRichEdit1);
  setFixedSize(688, 465);
  move(228, 162);
}

}  // namespace tunelot
