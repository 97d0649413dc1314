#pragma once

#include <string>

namespace tunelot::testing {

// A small tmpfs on a folder for the life of the object, standing in for a USB stick.
// Mounting needs root; where it is refused, `refusal()` says why, for the test's skip.
class ScratchVolume {
 public:
  ScratchVolume(const std::string& folder, const std::string& size);
  ~ScratchVolume();
  ScratchVolume(const ScratchVolume&) = delete;
  ScratchVolume& operator=(const ScratchVolume&) = delete;

  bool mounted() const { return mounted_; }
  const std::string& refusal() const { return refusal_; }

  // Takes the volume away at once, as pulling the stick out does.
  void Detach();

 private:
  std::string folder_;
  bool mounted_ = false;
  std::string refusal_;
};

}  // namespace tunelot::testing
