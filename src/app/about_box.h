#pragma once

#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include "widgets/link_label.h"

namespace tunelot {

class Shell;

// The About box: the product name, the version string set afresh at each showing, the
// maker's copyright line and web address.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(const QString& versionString, Shell& shell, QWidget* parent = nullptr);

  QFrame* Panel1;
  QLabel* ProgramIcon;
  QLabel* ProductName;
  QLabel* Version;
  QLabel* Copyright;
  LinkLabel* Label1;
  QPushButton* OKButton;

  void FormShow();
  // Hands the address to the shell; whether anything opened it is not examined.
  void Label1Click();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CentreOnScreen();

  QString versionString_;
  Shell& shell_;
};

}  // namespace tunelot
