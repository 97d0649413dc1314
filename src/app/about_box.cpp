#include "app/about_box.h"

#include <QPushButton>
#include <QVBoxLayout>

namespace tunelot {

TAboutBox::TAboutBox(const QString& versionString, QWidget* parent)
    : QDialog(parent), versionString_(versionString) {
  setObjectName("AboutBox");
  setWindowTitle("About");
  ProductName = new QLabel("Product Name: Tunelot", this);
  ProductName->setObjectName("ProductName");
  Version = new QLabel("Version:", this);
  Version->setObjectName("Version");
  auto* ok = new QPushButton("OK", this);
  ok->setObjectName("OKButton");
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(ProductName);
  layout->addWidget(Version);
  layout->addWidget(ok, 0, Qt::AlignHCenter);
}

void TAboutBox::showEvent(QShowEvent* event) {
  FormShow();
  QDialog::showEvent(event);
}

void TAboutBox::FormShow() { Version->setText("Version: " + versionString_); }

}  // namespace tunelot
