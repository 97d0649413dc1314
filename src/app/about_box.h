#pragma once

#include <QDialog>
#include <QLabel>

namespace tunelot {

// The About box: the product name and the version string, set afresh at each showing.
class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  TAboutBox(const QString& versionString, QWidget* parent = nullptr);

  QLabel* ProductName;
  QLabel* Version;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();

  QString versionString_;
};

}  // namespace tunelot
