#pragma once

#include <QDialog>
#include <QTextBrowser>

namespace tunelot {

// The help window: the fixed user guide, read-only.
class TFormTunelotHelp : public QDialog {
  Q_OBJECT

 public:
  explicit TFormTunelotHelp(QWidget* parent = nullptr);

  QTextBrowser* wwDBRichEdit1;
};

}  // namespace tunelot
