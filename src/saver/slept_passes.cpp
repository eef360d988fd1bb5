#include "saver/slept_passes.h"

namespace zv {

std::int64_t SleptPasses::Count(std::chrono::nanoseconds slept) {
  constexpr std::int64_t kNanosecondsPerMs = 1'000'000;
  const std::int64_t ns = slept.count();
  if (ns <= 0) return 0;
  // Whole milliseconds and the rest apart, so that no sleep, however long, overflows.
  const std::int64_t rest = ns % kNanosecondsPerMs * kNominalPassesPerMs + carry_;
  carry_ = rest % kNanosecondsPerMs;
  return ns / kNanosecondsPerMs * kNominalPassesPerMs + rest / kNanosecondsPerMs;
}

}  // namespace zv
