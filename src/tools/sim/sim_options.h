#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "testing/saver_run.h"
#include "tools/sim/frame_capture.h"

namespace zv::sim {

struct SimOptions {
  testing::SimulationSettings run;
  bool trace = false;
  std::optional<FrameCapture::Settings> frames;
  bool help = false;
};

// A command line the simulator cannot run; the message names the argument.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

SimOptions ParseSimOptions(const std::vector<std::string>& args);
std::string UsageText();

}  // namespace zv::sim
