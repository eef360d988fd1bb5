#pragma once
#include "platform/process.h"

namespace zv::linux_saver {

// A run-time error is reported on standard error, and the process then ends with status 1;
// otherwise it ends with status 0.
class SaverProcess : public platform::Process {
 public:
  void ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) override;
  [[noreturn]] void End() override;

 private:
  bool errorReported_ = false;
};

}  // namespace zv::linux_saver
