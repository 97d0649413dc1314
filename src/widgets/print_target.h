#pragma once

#include <QPrinter>
#include <memory>

namespace tunelot {

// Where a print that asks nothing goes: the system's default printer, or in tests a file.
class PrintTarget {
 public:
  virtual ~PrintTarget() = default;
  // A printer to print on. Throws std::runtime_error when there is none.
  virtual std::unique_ptr<QPrinter> DefaultPrinter() = 0;
};

class SystemPrintTarget : public PrintTarget {
 public:
  std::unique_ptr<QPrinter> DefaultPrinter() override;
};

}  // namespace tunelot
