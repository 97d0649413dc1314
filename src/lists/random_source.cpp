#include "lists/random_source.h"

#include <chrono>

namespace tunelot {

ClockSeededRandom::ClockSeededRandom()
    : engine_(static_cast<std::mt19937_64::result_type>(
          std::chrono::high_resolution_clock::now().time_since_epoch().count())) {}

std::size_t ClockSeededRandom::Below(std::size_t n) {
  return std::uniform_int_distribution<std::size_t>(0, n - 1)(engine_);
}

}  // namespace tunelot
