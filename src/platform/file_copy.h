#pragma once

#include <string>

namespace tunelot {

// Writes one file into the output folder. A seam, so tests can record the calls and make
// copies fail. Implementations keep no shared state: one copy may run on a worker thread.
class FileCopier {
 public:
  virtual ~FileCopier() = default;
  // Copies source to target, replacing an existing target's content, and flushes the
  // target to the device before returning. False (with no exception) on any failure.
  virtual bool CopyAndFlush(const std::string& source, const std::string& target) = 0;
  // Flushes the folder's directory entries to the device.
  virtual bool FlushFolder(const std::string& folder) = 0;
};

// The copier over the system's file calls. It writes straight to the target name, since
// on FAT the place of the directory entry decides the play order, and counts a copy as
// done only when every byte read up to the source's end is written and flushed. It
// refuses sources that are not regular files (a FIFO named like a song must not hang the
// copy), targets that are not regular files, a target that is the source itself, paths
// holding a NUL, and a source that ends before the size it had when opened. A copy that
// fails once the target was opened removes the target: no part of a song stays behind.
class SystemFileCopier : public FileCopier {
 public:
  bool CopyAndFlush(const std::string& source, const std::string& target) override;
  bool FlushFolder(const std::string& folder) override;
};

}  // namespace tunelot
