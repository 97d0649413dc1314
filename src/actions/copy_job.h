#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "platform/file_copy.h"
#include "platform/path_style.h"

namespace tunelot {

// The refusal shown instead of copying when the output path is blank; nullopt otherwise.
std::optional<std::string> CopyRefusal(const std::string& outputPath);

// The output path exactly as the box holds it, blanks included, with a trailing separator.
std::string CopyTargetFolder(const std::string& outputPath, PathStyle style = kNativePathStyle);

// The target folder text followed by the source's file name.
std::string CopyTargetPath(const std::string& targetFolder, const std::string& source,
                           PathStyle style = kNativePathStyle);

// The progress label while file `number` (counted from 1) of `count` is copied.
std::string CopyLabelText(const std::string& source, std::size_t number, std::size_t count);

struct CopyEndMessage {
  bool isError;
  std::string text;

  bool operator==(const CopyEndMessage&) const = default;
};

// The list of failed targets when there is one; otherwise how many files were copied.
CopyEndMessage MakeCopyEndMessage(const std::vector<std::string>& failedTargets,
                                  std::size_t entryCount);

// One run of "Copy files", driven by the window one file at a time. It copies from the
// output list as it stood at the start, so the user may change the list while it runs;
// the counts it shows are that snapshot's. Used by one thread at a time.
class CopyJob {
 public:
  CopyJob(std::vector<std::string> sources, const std::string& outputPath,
          PathStyle style = kNativePathStyle);

  std::size_t Count() const { return sources_.size(); }
  // Throw std::out_of_range for an index not below Count().
  std::string LabelText(std::size_t index) const;
  std::string TargetPath(std::size_t index) const;

  // Copies entry `index`; a failed copy puts its target into the error list.
  void CopyOne(std::size_t index, FileCopier& copier);

  // Call once, after the last CopyOne. Flushes the target folder when anything was copied
  // into it; when that flush fails, the folder itself joins the error list, since the
  // files' directory entries may not have reached the device.
  CopyEndMessage Finish(FileCopier& copier);

 private:
  std::vector<std::string> sources_;
  std::string targetFolder_;
  PathStyle style_;
  std::vector<std::string> failedTargets_;
  bool anyCopied_ = false;
};

// Copies every source in order, then finishes the job.
CopyEndMessage RunCopyJob(const std::vector<std::string>& sources, const std::string& outputPath,
                          FileCopier& copier);

}  // namespace tunelot
