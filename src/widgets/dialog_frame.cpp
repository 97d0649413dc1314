#include "widgets/dialog_frame.h"

namespace tunelot {

void UseFixedDialogFrame(QDialog& dialog) {
  dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                        Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  QFont windowFont = dialog.font();
  windowFont.setPointSize(8);
  dialog.setFont(windowFont);
  dialog.setBackgroundRole(QPalette::Button);
  dialog.setAutoFillBackground(true);
}

}  // namespace tunelot
