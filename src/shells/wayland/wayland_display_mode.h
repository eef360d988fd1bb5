#pragma once
#include <cstdint>
#include <functional>

#include "linux_saver/options.h"

namespace zv::wayland {

// The display mode on the Wayland compositor named by WAYLAND_DISPLAY: a window of its own
// (--window) in this process, or full screen on every output (RunOnEveryOutput). Returns the
// exit status, or throws std::runtime_error when there is no compositor to talk to.
int RunDisplayMode(const linux_saver::Options& options);

// One saver run full screen on the output of that name; it ends its process.
using OutputSaver = std::function<void(std::uint32_t output)>;

// Every output runs a saver of its own, in a process of its own forked for it, with its own
// connection to the compositor (the load sequence runs its own main loop and ends its process,
// as one display mode a monitor does under XScreenSaver). This process watches them: it starts
// one for each output that appears; one whose output went ends itself; when one ends (input on
// its output, or an error it reported) or this process gets SIGTERM or SIGINT, it ends the
// others. Its status is that of the end: 0, or 1 after an error; a compositor that went away is
// told here, once.
int RunOnEveryOutput(const OutputSaver& runSaver);

}  // namespace zv::wayland
