#pragma once

#include <cstddef>
#include <random>

namespace tunelot {

// Uniform draws of whole numbers; a seam so tests can script the draws.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  // A number drawn uniformly from 0 to n-1; n is at least 1.
  virtual std::size_t Below(std::size_t n) = 0;
};

// The program's generator, seeded from the clock when it is made: each shuffle and each
// random selection makes a new one.
class ClockSeededRandom : public RandomSource {
 public:
  ClockSeededRandom();
  std::size_t Below(std::size_t n) override;

 private:
  std::mt19937_64 engine_;
};

}  // namespace tunelot
