#pragma once
#include <chrono>
#include <cstdint>

namespace zv {

// The main loop's nominal pace: the passes per millisecond of a loop that never waits (about
// what the program made under Wine before its yield learnt to sleep).
inline constexpr std::int64_t kNominalPassesPerMs = 24;

// Counts the time the main loop slept as the passes a loop that never waits would have run in
// it, at the nominal pace, so that the losing-digit odometer keeps that pace. The fraction of a
// pass left over carries into the next sleep: many short sleeps count as one long sleep of
// their total.
class SleptPasses {
 public:
  std::int64_t Count(std::chrono::nanoseconds slept);

 private:
  // Below one pass, in nanoseconds times passes per millisecond.
  std::int64_t carry_ = 0;
};

}  // namespace zv
