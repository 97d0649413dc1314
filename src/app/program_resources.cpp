#include "app/program_resources.h"

#include "widgets/svg_icon.h"

// The resource loader must be named outside any namespace.
static void InitResources() { Q_INIT_RESOURCE(resources); }

namespace tunelot {

void LoadProgramResources() {
  static const bool loaded = (InitResources(), true);
  static_cast<void>(loaded);
}

QIcon ProgramIcon() {
  LoadProgramResources();
  return SvgIcon(":/tunelot/tunelot.svg");
}

QIcon PrinterIcon() {
  LoadProgramResources();
  return SvgIcon(":/tunelot/printer.svg");
}

}  // namespace tunelot
