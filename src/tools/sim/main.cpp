// zorvalite-sim: runs the saver in simulated time to study and tune it.
#include <chrono>
#include <cstdio>
#include <iostream>
#include <optional>

#include "testing/spin_tally.h"
#include "testing/trace.h"
#include "tools/sim/sim_options.h"

namespace {

using zv::testing::SpinCounts;

double Share(std::int64_t part, std::int64_t whole) { return whole > 0 ? 100.0 * part / whole : 0.0; }

void PrintSummary(std::FILE* out, const zv::sim::SimOptions& options, const zv::testing::SpinTally& tally,
                  double wallSeconds) {
  const zv::testing::SimulationSettings& run = options.run;
  const SpinCounts& c = tally.Counts();
  std::fprintf(out, "simulated        %.3f s  (%s)\n", run.seconds, zv::testing::SettingsText(run).c_str());
  std::fprintf(out, "spins            %lld completed, %lld started\n", static_cast<long long>(c.completed),
               static_cast<long long>(c.started));
  std::fprintf(out, "jackpots         %lld", static_cast<long long>(c.jackpots));
  if (c.jackpots > 0) std::fprintf(out, "  (1 in %.1f)", static_cast<double>(c.completed) / c.jackpots);
  std::fprintf(out, "\n");
  std::fprintf(out, "  all together   %lld  (%.1f%% of jackpots)\n", static_cast<long long>(c.allTogether),
               Share(c.allTogether, c.jackpots));
  std::fprintf(out, "  revival        %lld  (%.1f%%)\n", static_cast<long long>(c.revivals), Share(c.revivals, c.jackpots));
  std::fprintf(out, "  plain reach    %lld  (%.1f%%)\n", static_cast<long long>(c.plainReaches),
               Share(c.plainReaches, c.jackpots));
  std::fprintf(out, "losing reaches   %lld  (%.2f%% of spins)\n", static_cast<long long>(c.losingReaches),
               Share(c.losingReaches, c.completed));
  std::fprintf(out, "premonitions     %lld  (%.2f%% of spins; %lld before jackpots, %lld before losing reaches)\n",
               static_cast<long long>(c.premonitions), Share(c.premonitions, c.completed),
               static_cast<long long>(c.premonitionJackpots), static_cast<long long>(c.premonitionLosingReaches));
  if (c.completed > 0)
    std::fprintf(out, "mean spin        %.3f s  (longest %.3f s)\n", c.totalSpinMs / c.completed / 1000.0,
                 c.longestSpinMs / 1000.0);
  std::fprintf(out, "wall time        %.3f s  (%.0fx real time)\n", wallSeconds,
               wallSeconds > 0 ? run.seconds / wallSeconds : 0.0);
  std::fprintf(out, "invariants       %s\n",
               tally.ViolationCount() == 0 ? "held" : (std::to_string(tally.ViolationCount()) + " broken").c_str());
  for (const std::string& v : tally.Violations()) std::fprintf(out, "  %s\n", v.c_str());
}

}  // namespace

int main(int argc, char** argv) {
  zv::sim::SimOptions options;
  try {
    options = zv::sim::ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const zv::sim::UsageError& error) {
    std::fprintf(stderr, "zorvalite-sim: %s\nTry 'zorvalite-sim --help'.\n", error.what());
    return 2;
  }
  if (options.help) {
    std::fputs(zv::sim::UsageText().c_str(), stdout);
    return 0;
  }

  zv::testing::SpinTally tally;
  std::optional<zv::sim::FrameCapture> frames;
  if (options.frames) frames.emplace(*options.frames);
  if (options.trace)
    std::cout << "# " << zv::testing::SettingsText(options.run) << '\n' << zv::testing::TraceHeader() << '\n';

  const auto start = std::chrono::steady_clock::now();
  try {
    zv::testing::RunSaver(options.run, [&](zv::headless::HeadlessSaverWindow& window,
                                       const zv::LotteryEngine& engine) {
      tally.Observe(window, engine);
      if (frames) frames->Observe(window, engine);
      if (options.trace) std::cout << zv::testing::TraceLine(window, engine) << '\n';
    });
  } catch (const zv::testing::SaverRunFailed& error) {
    std::cout.flush();
    std::fprintf(stderr, "zorvalite-sim: the saver stopped with a run-time error:\n%s\n", error.what());
    return 1;
  }
  std::cout.flush();
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  PrintSummary(options.trace ? stderr : stdout, options, tally, wall);
  if (frames) std::fprintf(options.trace ? stderr : stdout, "frames           %lld written\n",
                           static_cast<long long>(frames->Written()));
  return tally.ViolationCount() == 0 ? 0 : 1;
}
