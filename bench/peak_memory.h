#pragma once

namespace tunelot::bench {

// This process's peak resident memory in MiB (VmHWM). Unlike the maximum resident set
// that the parent learns from wait4(), it leaves out what the parent's address space held
// before the exec.
double PeakMebibytes();

}  // namespace tunelot::bench
