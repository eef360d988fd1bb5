#pragma once
#include <string>

#include "platform/text_id.h"
#include "runtime/run_time_error.h"

namespace zv::platform {

class SaverWindow;

// What a saver run needs from the process it runs in.
class Process {
 public:
  virtual ~Process() = default;
  // The platform's report of an unhandled run-time error (a message box captioned with the
  // application title that names the error). With an owner, the box belongs to that window and
  // shows above it.
  virtual void ReportRuntimeError(const RuntimeError& error, const SaverWindow* owner) = 0;
  // Immediate termination: no further handler runs.
  [[noreturn]] virtual void End() = 0;
};

// What start-up needs besides, where the command line chooses between the saver, the dialog
// and a message.
class StartupProcess : public Process {
 public:
  // The argument part of the command line (everything after the program path), UTF-8.
  virtual std::string CommandLineArguments() = 0;
  // True when another instance of this program is already running. The first call also
  // claims the single-instance token for this process.
  virtual bool AnotherInstanceRunning() = 0;
  // A modal message box: the text, a single OK button, no icon, the application title as caption.
  virtual void ShowMessage(TextId text) = 0;
};

}  // namespace zv::platform
