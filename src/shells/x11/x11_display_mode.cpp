#include "shells/x11/x11_display_mode.h"

#include "display_mode/run_end.h"
#include "shells/x11/x11_platform.h"
#include "startup/md_saver.h"

namespace zv::x11 {

int RunDisplayMode(const display_mode::Options& options) {
  X11Platform platform(options);
  // The run ends the process.
  RunSaverProgram(platform);
  return display_mode::ExitStatus(display_mode::RunEnd::Failed);
}

}  // namespace zv::x11
