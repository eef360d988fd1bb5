#include "shells/x11/x11_process.h"

#include <cstdio>
#include <cstdlib>

namespace zv::x11 {

void X11Process::ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow*) {
  std::fprintf(stderr, "zorvalite: run-time error %d: %s\n", static_cast<int>(error.Number()),
               ErrorName(error.Number()));
  errorReported_ = true;
}

void X11Process::End() { std::exit(errorReported_ ? 1 : 0); }

}  // namespace zv::x11
