#pragma once

#include <QIcon>

namespace tunelot {

// Makes the resources linked into the program readable under ":/tunelot/". The windows'
// library is static, so nothing else pulls them in; calling again does nothing.
void LoadProgramResources();

// The program's icon: a USB stick carrying a pair of notes.
QIcon ProgramIcon();

// A printer, for print buttons.
QIcon PrinterIcon();

}  // namespace tunelot
