#include "actions/copy_job.h"

#include <utility>

#include "lists/text_rules.h"

namespace tunelot {

std::optional<std::string> CopyRefusal(const std::string& outputPath) {
  if (IsBlank(outputPath)) return "Location to copy files must be selected";
  return std::nullopt;
}

std::string CopyTargetFolder(const std::string& outputPath, PathStyle style) {
  std::string folder = outputPath;
  AddTrailingBackslash(folder, style);
  return folder;
}

std::string CopyTargetPath(const std::string& targetFolder, const std::string& source,
                           PathStyle style) {
  return targetFolder + FileNamePart(source, style);
}

std::string CopyLabelText(const std::string& source, std::size_t number, std::size_t count) {
  return "Copying file " + source + "  ---------->  " + std::to_string(number) + " of " +
         std::to_string(count);
}

CopyEndMessage MakeCopyEndMessage(const std::vector<std::string>& failedTargets,
                                  std::size_t entryCount) {
  if (failedTargets.empty()) {
    return {false, "Copy completed. " + std::to_string(entryCount) + " file(s) copied."};
  }
  std::string text = "Error File(s): \r\n";
  for (const std::string& target : failedTargets) text += target + "\r\n";
  return {true, text};
}

CopyJob::CopyJob(std::vector<std::string> sources, const std::string& outputPath, PathStyle style)
    : sources_(std::move(sources)),
      targetFolder_(CopyTargetFolder(outputPath, style)),
      style_(style) {}

std::string CopyJob::LabelText(std::size_t index) const {
  return CopyLabelText(sources_.at(index), index + 1, Count());
}

std::string CopyJob::TargetPath(std::size_t index) const {
  return CopyTargetPath(targetFolder_, sources_.at(index), style_);
}

void CopyJob::CopyOne(std::size_t index, FileCopier& copier) {
  const std::string target = TargetPath(index);
  if (copier.CopyAndFlush(sources_[index], target)) {
    anyCopied_ = true;
  } else {
    failedTargets_.push_back(target);
  }
}

CopyEndMessage CopyJob::Finish(FileCopier& copier) {
  if (anyCopied_ && !copier.FlushFolder(targetFolder_)) failedTargets_.push_back(targetFolder_);
  return MakeCopyEndMessage(failedTargets_, Count());
}

CopyEndMessage RunCopyJob(const std::vector<std::string>& sources, const std::string& outputPath,
                          FileCopier& copier) {
  CopyJob job(sources, outputPath);
  for (std::size_t i = 0; i < job.Count(); ++i) job.CopyOne(i, copier);
  return job.Finish(copier);
}

}  // namespace tunelot
