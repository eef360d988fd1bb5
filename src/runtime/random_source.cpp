#include "runtime/random_source.h"

#include <chrono>

namespace zv {

ClockSeededRandom::ClockSeededRandom(Clock clock) : clock_(std::move(clock)), state_(0x50000) {}

std::uint64_t ClockSeededRandom::HighResolutionTicks() {
  return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

float ClockSeededRandom::Rnd() {
  state_ = (state_ * 0x43FD43FDu + 0xC39EC3u) & 0xFFFFFFu;
  return static_cast<float>(state_) / 16777216.0f;
}

void ClockSeededRandom::Randomize() {
  std::uint64_t t = clock_();
  t ^= t >> 29;
  t *= 0xBF58476D1CE4E5B9ull;  // spread the fast-changing low bits over the whole seed
  t ^= t >> 32;
  state_ = (state_ ^ static_cast<std::uint32_t>(t)) & 0xFFFFFFu;
}

}  // namespace zv
