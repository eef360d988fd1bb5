#pragma once
#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "lottery/lottery_engine.h"
#include "testing/engine_rig.h"
#include "testing/scripted_random.h"

namespace zv {

// Failure messages name a state by its number, as traces do.
inline void PrintTo(Spin state, std::ostream* out) { *out << StateNumber(state); }

namespace testing {

// One state change as seen after the tick that made it.
struct Transition {
  Spin from, to;
  int16 left, centre, right;
  int tick;  // Timer1 ticks since the observation began
};

// The engine rig on a 1024 x 768 screen, with a scripted random source.
class EngineTest : public ::testing::Test {
 protected:
  explicit EngineTest(int16 screenWidth = 1024, int16 screenHeight = 768)
      : rig(random, Options(screenWidth, screenHeight)) {}

  static headless::SaverWindowOptions Options(int16 width, int16 height) {
    headless::SaverWindowOptions options;
    options.screenWidth = width;
    options.screenHeight = height;
    return options;
  }

  // Numbers in [0, 1) that make the draws come out as wanted.
  static float LotteryNumber(bool jackpot) { return jackpot ? 0.0f : 0.5f; }
  static float EffectNumber(int effect) { return (static_cast<float>(effect) + 0.5f) / 17.0f; }
  // The four numbers a spin draws: block left, block top, lottery, effect.
  void ScriptSpin(bool jackpot, int effect) {
    for (float n : {0.25f, 0.75f, LotteryNumber(jackpot), EffectNumber(effect)}) random.Push(n);
  }
  void SetOdometer(int16 left, int16 centre, int16 right) {
    engine.MissCodeLeft = left;
    engine.MissCodeCentre = centre;
    engine.MissCodeRight = right;
  }

  // One spin-timer tick at the 75 ms cadence: the counting timer ticks five times between
  // two spin ticks (both run on the 15.625 ms clock).
  void Tick(int countingTicks = 5) {
    for (int i = 0; i < countingTicks; ++i) engine.Timer2_Timer();
    engine.Timer1_Timer();
  }

  // Ticks until the machine enters `state` (at most maxTicks), noting every state change in
  // `seen`; spins of more than maxTicks fail the test.
  void RunUntil(Spin state, int maxTicks = 5000, int countingTicks = 5) {
    for (int i = 0; i < maxTicks; ++i) {
      const Spin before = engine.SpinState;
      Tick(countingTicks);
      ++ticks;
      if (engine.SpinState != before)
        seen.push_back({before, engine.SpinState, engine.ReelPosLeft, engine.ReelPosCentre, engine.ReelPosRight, ticks});
      if (engine.SpinState == state && before != state) return;
    }
    FAIL() << "state " << StateNumber(state) << " not reached in " << maxTicks << " ticks";
  }
  // From a new spin, one whole spin to the next new spin.
  std::vector<Spin> RunSpin() {
    RunUntil(Spin::NewSpin);
    return States(seen);
  }

  static std::vector<Spin> States(const std::vector<Transition>& seen) {
    std::vector<Spin> states;
    if (!seen.empty()) states.push_back(seen.front().from);
    for (const Transition& t : seen) states.push_back(t.to);
    return states;
  }
  // The first change from `from` to `to`; fails the test when there is none.
  Transition Find(Spin from, Spin to) const {
    for (const Transition& t : seen)
      if (t.from == from && t.to == to) return t;
    ADD_FAILURE() << "no change from " << StateNumber(from) << " to " << StateNumber(to);
    return {};
  }

  std::vector<Transition> seen;
  int ticks = 0;
  ScriptedRandom random;
  EngineRig rig;
  RepaintRecordingWindow& window = rig.window;
  Globals& globals = rig.globals;
  LotteryEngine& engine = rig.engine;
};

}  // namespace testing
}  // namespace zv
