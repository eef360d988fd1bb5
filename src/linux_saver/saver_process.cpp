#include "linux_saver/saver_process.h"

#include <cstdio>

#include "linux_saver/run_end.h"

namespace zv::linux_saver {

void SaverProcess::ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow*) {
  std::fprintf(stderr, "zorvalite: run-time error %d: %s\n", static_cast<int>(error.Number()),
               ErrorName(error.Number()));
  errorReported_ = true;
}

void SaverProcess::End() { EndProcess(errorReported_ ? RunEnd::Failed : RunEnd::Ended); }

}  // namespace zv::linux_saver
