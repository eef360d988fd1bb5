#include "tools/sim/sim_options.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace zv::sim {
namespace {

template <typename T>
T Number(const std::string& option, const std::string& text, T low, T high) {
  T value{};
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if ((ec != std::errc() && ec != std::errc::result_out_of_range) || ptr != end || text.empty())
    throw UsageError(option + ": '" + text + "' is not a number");
  if (ec == std::errc::result_out_of_range || !(value >= low && value <= high))
    throw UsageError(option + ": " + text + " is out of range (" + std::to_string(low) + " to " +
                     std::to_string(high) + ")");
  return value;
}

double Decimal(const std::string& option, const std::string& text, double low, double high) {
  std::size_t used = 0;
  double value = 0;
  try {
    value = std::stod(text, &used);
  } catch (const std::exception&) {
    used = 0;
  }
  if (used == 0 || used != text.size() || !std::isfinite(value))
    throw UsageError(option + ": '" + text + "' is not a number");
  if (value < low || value > high)
    throw UsageError(option + ": " + text + " is out of range");
  return value;
}

}  // namespace

std::string UsageText() {
  return R"(Usage: zorvalite-sim [options]

Runs the complete saver (window logic, renderer and lottery engine) on the headless shell in
simulated time, with Windows' timer cadence (timers on a 15.625 ms clock, intervals below
10 ms raised to 10 ms), and prints a summary of the spins.

By default each clock tick is delivered up to 20% of a tick early or late, as real timers
are: the losing digits come from an odometer that turns once per pass of the main loop, and
on a perfectly steady clock it locks to the timer, which skews the losing reaches and the
premonitions. With the jitter the summary's shares describe the real program. --jitter 0
gives the steady clock, which reproduces the traces of earlier versions exactly.

Options:
  --seconds S          simulated seconds to run (default 3600)
  --level N            stands in for the stored Level: the jackpot is 1 in N (default 301)
  --spec N             stands in for the stored Spec: 0 ticks the reels every 75 ms,
                       anything else every 10 ms (default 0)
  --seed N             fixes the random source (reseeds then mix N with the simulated
                       clock) and the jitter; without it, both follow the real clock, as
                       the program's reseeds do
  --screen WxH         simulated screen size in pixels (default 1024x768)
  --scale K            draw the display block K times as large, each of its pixels a
                       K x K square, as the program does at 96 x K DPI; the block roams
                       the screen's size divided by K, and traces give its place in
                       those logical pixels (1 to 8, default 1)
  --jitter PERCENT     timer-delivery jitter: each tick of the 15.625 ms clock comes up to
                       PERCENT of a tick early or late, uniformly, drawn from the seed
                       (0 to 49, default 20; 0 is the steady clock)
  --passes-per-ms X    passes of the main loop per simulated millisecond while it does
                       not wait; each pass turns the losing-digit odometer once (default
                       24, the program's nominal pace)
  --no-fast-forward    run every idle pass instead of counting them (slow; the results
                       are the same)
  --sleeping           run the main loop as the program does: a yield with nothing
                       pending sleeps until the next event, and the time slept turns the
                       odometer at 24 passes/ms (the odometer statistics are the same as
                       without it; the passes that run are far fewer)
  --paint              let the renderer paint the display block's pixels also without
                       --frames (slower; the trace and summary are the same)
  --trace              print a tab-separated line after every Timer1 tick instead of the
                       summary (the summary goes to standard error), after a first line
                       "# " and the run's settings and a line naming the columns: t_ms,
                       Timer2Ticks, SpinState, StateTicks, TickCycle, PatternIndex,
                       ReelPosLeft, ReelPosCentre, ReelPosRight, TargetCodeLeft,
                       TargetCodeCentre, TargetCodeRight, HitFlag, ReachFlag, ReviveFlag,
                       EffectDraw, LotteryDraw, BlinkOn, FlashPhase, CrawlPhase, SyncSteps,
                       MissCodeLeft, MissCodeCentre, MissCodeRight, DisplayLeft, DisplayTop
                       (flags are -1 and 0)
  --frames DIR         write PNG snapshots of the screen into DIR, chosen by:
  --frame-at STATE       one for every Timer1 tick spent in SpinState STATE
  --frame-every MS       one every MS simulated milliseconds
  --frame-limit N        at most N snapshots (default 100)
                       A snapshot shows the screen as the next tick arrives, that is the
                       drawing of the tick it is named after.
  --help               show this text

Exit status: 0 when the run held every invariant, 1 on a run-time error of the saver or a
broken invariant, 2 on a bad command line.
)";
}

SimOptions ParseSimOptions(const std::vector<std::string>& args) {
  SimOptions options;
  std::optional<int16> frameAt;
  std::optional<double> frameEvery;
  std::optional<std::int64_t> frameLimit;
  std::optional<std::string> framesDir;

  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string option = args[i];
    std::optional<std::string> attached;
    if (auto eq = option.find('='); option.rfind("--", 0) == 0 && eq != std::string::npos) {
      attached = option.substr(eq + 1);
      option = option.substr(0, eq);
    }
    auto value = [&]() -> std::string {
      if (attached) return *attached;
      if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
      return args[++i];
    };
    auto flag = [&] {
      if (attached) throw UsageError(option + " takes no value");
    };

    if (option == "--help" || option == "-h") {
      flag();
      options.help = true;
    } else if (option == "--seconds") {
      options.run.seconds = Decimal(option, value(), 0.001, 1e9);
    } else if (option == "--level") {
      options.run.level = Number<int16>(option, value(), INT16_MIN, INT16_MAX);
    } else if (option == "--spec") {
      options.run.spec = Number<int16>(option, value(), INT16_MIN, INT16_MAX);
    } else if (option == "--seed") {
      options.run.seed = Number<std::uint64_t>(option, value(), 0, std::numeric_limits<std::uint64_t>::max());
    } else if (option == "--screen") {
      const std::string text = value();
      const auto x = text.find('x');
      if (x == std::string::npos) throw UsageError("--screen: '" + text + "' is not WIDTHxHEIGHT");
      options.run.screenWidth = Number<int16>("--screen width", text.substr(0, x), 130, INT16_MAX);
      options.run.screenHeight = Number<int16>("--screen height", text.substr(x + 1), 68, INT16_MAX);
    } else if (option == "--scale") {
      options.run.scale = Number<int>(option, value(), 1, 8);
    } else if (option == "--passes-per-ms") {
      options.run.passesPerMs = Decimal(option, value(), 0.001, 1e6);
    } else if (option == "--jitter") {
      options.run.jitter = Decimal(option, value(), 0, 49) / 100;
    } else if (option == "--sleeping") {
      flag();
      options.run.sleeping = true;
    } else if (option == "--no-fast-forward") {
      flag();
      options.run.fastForward = false;
    } else if (option == "--paint") {
      flag();
      options.run.paintDisplay = true;
    } else if (option == "--trace") {
      flag();
      options.trace = true;
    } else if (option == "--frames") {
      framesDir = value();
      if (framesDir->empty()) throw UsageError("--frames needs a directory");
    } else if (option == "--frame-at") {
      frameAt = Number<int16>(option, value(), 0, 40);
    } else if (option == "--frame-every") {
      frameEvery = Decimal(option, value(), 0.001, 1e12);
    } else if (option == "--frame-limit") {
      frameLimit = Number<std::int64_t>(option, value(), 1, 1'000'000);
    } else {
      throw UsageError("unknown argument '" + args[i] + "'");
    }
  }

  if (options.run.screenWidth / options.run.scale < 130 || options.run.screenHeight / options.run.scale < 68)
    throw UsageError("--scale: the screen divided by " + std::to_string(options.run.scale) +
                     " is smaller than the display block (130x68)");
  if (framesDir) {
    if (!frameAt && !frameEvery) throw UsageError("--frames needs --frame-at or --frame-every");
    FrameCapture::Settings frames;
    frames.dir = *framesDir;
    if (frameAt) frames.atState = static_cast<Spin>(*frameAt);
    frames.everyMs = frameEvery;
    if (frameLimit) frames.limit = *frameLimit;
    options.frames = frames;
    options.run.paintDisplay = true;
  } else if (frameAt || frameEvery || frameLimit) {
    throw UsageError("--frame-at, --frame-every and --frame-limit need --frames DIR");
  }
  return options;
}

}  // namespace zv::sim
