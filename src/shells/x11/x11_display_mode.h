#pragma once
#include "linux_saver/options.h"

namespace zv::x11 {

// The display mode on the X server named by DISPLAY: one saver run in its own full-screen
// window, its try-out window or the window it is given. Returns the exit status, or throws
// std::runtime_error when there is no X server or no window to draw into.
int RunDisplayMode(const linux_saver::Options& options);

}  // namespace zv::x11
