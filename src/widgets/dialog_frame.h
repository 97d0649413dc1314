#pragma once

#include <QDialog>

namespace tunelot {

// The program's secondary windows: a fixed dialog frame with only a close box, the
// window's 8-point font and the button-face background.
void UseFixedDialogFrame(QDialog& dialog);

}  // namespace tunelot
