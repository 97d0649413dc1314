#pragma once

#include <string>
#include <vector>

namespace tunelot::bench {

// Runs `argv` (found on PATH) to its end with `extraEnvironment` ("NAME=value") added to
// ours and its output sent to `outputPath`. Gives the wall time in seconds from just
// before the spawn to just after the wait. Throws std::runtime_error when it cannot start
// or does not end with status 0.
double RunProcess(const std::vector<std::string>& argv,
                  const std::vector<std::string>& extraEnvironment = {},
                  const std::string& outputPath = "/dev/null");

}  // namespace tunelot::bench
