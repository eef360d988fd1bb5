#pragma once
#include "platform/process.h"

namespace zv::web {

// The run's process, its worker (docs/ARCHITECTURE.md, "The web page"): a run-time error is
// reported on the page; at the end the run stops for good.
class WebProcess : public platform::Process {
 public:
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override;
  [[noreturn]] void End() override;
};

}  // namespace zv::web
