#pragma once
#include <string>

#include "lottery/lottery_engine.h"
#include "shells/headless/headless_saver_window.h"

namespace zv::testing {

// The tab-separated trace of a run: one line after every Timer1 tick.
std::string TraceHeader();
std::string TraceLine(headless::HeadlessSaverWindow& window, const LotteryEngine& engine);

}  // namespace zv::testing
