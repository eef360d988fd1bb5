#pragma once
#include "platform/process.h"

namespace zv::web {

// A saver run is one instance of the page's WebAssembly module in a worker of its own, its
// process. A run-time error is reported on the page; at the end the run stops for good, and the
// page ends its worker and starts the next run, unless an error was reported.
class WebProcess : public platform::Process {
 public:
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override;
  [[noreturn]] void End() override;
};

}  // namespace zv::web
