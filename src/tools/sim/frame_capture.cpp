#include "tools/sim/frame_capture.h"

#include <cstdio>

#include "formats/png_file.h"

namespace zv::sim {

FrameCapture::FrameCapture(Settings settings) : settings_(std::move(settings)) {
  std::filesystem::create_directories(settings_.dir);
}

void FrameCapture::Observe(headless::HeadlessSaverWindow& window, const LotteryEngine& engine) {
  const double nowMs = static_cast<double>(window.Now()) / headless::kMillisecond;
  if (havePrevious_ && written_ < settings_.limit) {
    const bool atState = settings_.atState && previousState_ == *settings_.atState;
    const bool onTime = settings_.everyMs && previousMs_ >= nextMs_;
    if (onTime)
      while (nextMs_ <= previousMs_) nextMs_ += *settings_.everyMs;
    if (atState || onTime) Write(window);
  }
  havePrevious_ = true;
  previousState_ = engine.SpinState;
  previousMs_ = nowMs;
}

void FrameCapture::Write(const headless::HeadlessSaverWindow& window) {
  char name[64];
  std::snprintf(name, sizeof name, "frame-%012.3fms-state%d.png", previousMs_, StateNumber(previousState_));
  formats::WritePng(window.Screen(), settings_.dir / name);
  ++written_;
}

}  // namespace zv::sim
