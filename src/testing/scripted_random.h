#pragma once
#include <deque>
#include <stdexcept>

#include "runtime/random_source.h"

namespace zv::testing {

// A random source that hands out the numbers a test scripted, in order, and counts the
// reseeds. Running out of numbers is a test failure, not a silent repeat.
class ScriptedRandom : public RandomSource {
 public:
  ScriptedRandom() = default;
  ScriptedRandom(std::initializer_list<float> numbers) : numbers_(numbers) {}
  void Push(float number) { numbers_.push_back(number); }
  float Rnd() override {
    if (numbers_.empty()) {
      if (!fallback_) throw std::logic_error("ScriptedRandom: no scripted number left");
      return fallback_->Rnd();
    }
    float n = numbers_.front();
    numbers_.pop_front();
    ++drawn;
    return n;
  }
  void Randomize() override { ++reseeds; }
  // Once the script is used up, draw from this source instead.
  void ThenUse(RandomSource& fallback) { fallback_ = &fallback; }
  std::size_t Remaining() const { return numbers_.size(); }

  int reseeds = 0;
  int drawn = 0;

 private:
  std::deque<float> numbers_;
  RandomSource* fallback_ = nullptr;
};

}  // namespace zv::testing
