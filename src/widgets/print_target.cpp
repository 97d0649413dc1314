#include "widgets/print_target.h"

#include <QPrinterInfo>
#include <stdexcept>

namespace tunelot {

std::unique_ptr<QPrinter> SystemPrintTarget::DefaultPrinter() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) throw std::runtime_error("There is no default printer");
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace tunelot
