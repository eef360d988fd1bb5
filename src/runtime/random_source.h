#pragma once
#include <cstdint>
#include <functional>

namespace zv {

// The random source of a saver run: Rnd() gives a fresh single-precision number in [0, 1),
// Randomize() reseeds from the clock. The engine draws through this interface only, so
// tests can script every number it sees.
class RandomSource {
 public:
  virtual ~RandomSource() = default;
  virtual float Rnd() = 0;
  virtual void Randomize() = 0;
};

// A 24-bit linear congruential generator: each number is an exact multiple of 2^-24, so
// every value lies in [0, 1) also after conversion to single precision. Randomize() mixes
// the high-resolution clock into the state.
class ClockSeededRandom : public RandomSource {
 public:
  using Clock = std::function<std::uint64_t()>;  // any fast-moving tick count
  explicit ClockSeededRandom(Clock clock = HighResolutionTicks);
  float Rnd() override;
  void Randomize() override;

  static std::uint64_t HighResolutionTicks();

 private:
  Clock clock_;
  std::uint32_t state_;
};

}  // namespace zv
