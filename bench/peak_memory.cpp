#include "peak_memory.h"

#include <fstream>
#include <string>

namespace tunelot::bench {

double PeakMebibytes() {
  std::ifstream status("/proc/self/status");
  std::string word;
  while (status >> word) {
    if (word != "VmHWM:") continue;
    double kibibytes = 0;
    status >> kibibytes;
    return kibibytes / 1024.0;
  }
  return 0;
}

}  // namespace tunelot::bench
