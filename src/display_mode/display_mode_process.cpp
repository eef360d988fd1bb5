#include "display_mode/display_mode_process.h"

#include <cstdio>

#include "display_mode/run_end.h"

namespace zv::display_mode {

void DisplayModeProcess::ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow*) {
  std::fprintf(stderr, "zorvalite: run-time error %d: %s\n", static_cast<int>(error.Number()),
               ErrorName(error.Number()));
  errorReported_ = true;
}

void DisplayModeProcess::End() { EndProcess(errorReported_ ? RunEnd::Failed : RunEnd::Ended); }

}  // namespace zv::display_mode
