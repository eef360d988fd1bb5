#include "shells/x11/x11_display_mode.h"

#include "linux_saver/run_end.h"
#include "shells/x11/x11_platform.h"
#include "startup/md_saver.h"

namespace zv::x11 {

int RunDisplayMode(const linux_saver::Options& options) {
  X11Platform platform(options);
  // The run ends the process.
  RunSaverProgram(platform);
  return linux_saver::ExitStatus(linux_saver::RunEnd::Failed);
}

}  // namespace zv::x11
