#pragma once
#include "lottery/lottery_engine.h"
#include "settings/globals.h"
#include "shells/web/web_platform.h"

namespace zv::web {

// The page's test hook: the state of the run for the browser tests, which compare the canvas
// with the headless shell's picture of that state. The page reads it between two yields of the
// main loop, when the canvas shows the state; it changes nothing.
void OfferRunState(const LotteryEngine& engine, const Globals& globals, const WebPlatform& platform);

}  // namespace zv::web
