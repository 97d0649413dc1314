#include "app/about_box.h"

#include <QScreen>
#include <QShowEvent>

#include "app/maker.h"
#include "app/program_resources.h"
#include "widgets/dialog_frame.h"
#include "widgets/shell.h"

namespace tunelot {
namespace {

template <typename Label>
Label* PanelLabel(Label* label, const char* name, int left, int top) {
  label->setObjectName(name);
  label->setAccessibleName(name);
  label->move(left, top);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(const QString& versionString, Shell& shell, QWidget* parent)
    : QDialog(parent), versionString_(versionString), shell_(shell) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  UseFixedDialogFrame(*this);

  Panel1 = new QFrame(this);
  Panel1->setObjectName("Panel1");
  Panel1->setFrameStyle(QFrame::Box | QFrame::Sunken);
  Panel1->setGeometry(8, 8, 281, 161);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName("ProgramIcon");
  ProgramIcon->setAccessibleName("Program icon");
  ProgramIcon->setGeometry(240, 8, 32, 32);
  ProgramIcon->setPixmap(tunelot::ProgramIcon().pixmap(32, 32));
  ProductName = PanelLabel(new QLabel("Product Name: Tunelot", Panel1), "ProductName", 4, 16);
  ProductName->setAttribute(Qt::WA_TranslucentBackground);
  Version = PanelLabel(new QLabel("Version:", Panel1), "Version", 4, 45);
  Copyright = PanelLabel(new QLabel(kCopyrightLine, Panel1), "Copyright", 4, 80);
  Label1 = PanelLabel(new LinkLabel(kMakerWebAddress, Panel1), "Label1", 5, 142);
  connect(Label1, &LinkLabel::clicked, this, &TAboutBox::Label1Click);

  OKButton = new QPushButton("OK", this);
  OKButton->setObjectName("OKButton");
  OKButton->setAccessibleName("OK");
  OKButton->setGeometry(111, 180, 75, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);

  setFixedSize(298, 213);
}

void TAboutBox::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) {
    FormShow();
    CentreOnScreen();
  }
  QDialog::showEvent(event);
}

void TAboutBox::FormShow() {
  Version->setText("Version: " + versionString_);
  Version->adjustSize();
}

void TAboutBox::Label1Click() { shell_.OpenDocument(Label1->text()); }

void TAboutBox::CentreOnScreen() {
  const QScreen* shown = screen();
  if (shown == nullptr) return;
  const QRect area = shown->availableGeometry();
  const QSize outer = frameGeometry().size();
  move(area.center() - QPoint(outer.width() / 2, outer.height() / 2));
}

}  // namespace tunelot
