#pragma once
#include "platform/process.h"

namespace zv::platform::x11 {

// A run-time error is reported on standard error, and the process then ends with status 1;
// otherwise it ends with status 0.
class X11Process : public Process {
 public:
  void ReportRuntimeError(const RuntimeError& error, const SaverWindow* owner) override;
  [[noreturn]] void End() override;

 private:
  bool errorReported_ = false;
};

}  // namespace zv::platform::x11
