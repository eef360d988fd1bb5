#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>

#include "lottery/lottery_engine.h"
#include "shells/headless/headless_saver_window.h"

namespace zv::sim {

// Writes PNG snapshots of the simulated screen. A Timer1 tick only changes numbers; the
// screen shows them from the next draw pass on. So the snapshot taken as a tick arrives
// shows the result of the tick before, and is named after that tick's time and state.
class FrameCapture {
 public:
  struct Settings {
    std::filesystem::path dir;
    std::optional<Spin> atState;     // a snapshot for every tick spent in this state
    std::optional<double> everyMs;   // a snapshot every so many simulated milliseconds
    std::int64_t limit = 100;
  };
  explicit FrameCapture(Settings settings);

  void Observe(headless::HeadlessSaverWindow& window, const LotteryEngine& engine);
  std::int64_t Written() const { return written_; }

 private:
  void Write(const headless::HeadlessSaverWindow& window);

  Settings settings_;
  std::int64_t written_ = 0;
  double nextMs_ = 0;
  bool havePrevious_ = false;
  Spin previousState_ = Spin::NewSpin;
  double previousMs_ = 0;
};

}  // namespace zv::sim
