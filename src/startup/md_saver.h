#pragma once
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"
#include "settings/globals.h"

namespace zv {

class frmScrnSave;
class frmConfig;

// What a run of the program does, as the command line decides it.
enum class RunKind { PasswordMessage, Configure, Preview, Saver };

// The switch: the first two characters of the trimmed, upper-cased argument text.
std::string FormSwitch(std::string_view arguments);
// The first row of the dispatch table that the switch matches.
RunKind Dispatch(std::string_view switchText);
// The window a preview shows in: the decimal number after the switch, as the system passes
// it ("/p 12345", "/p:12345"); none when the text after the switch is not such a number.
std::optional<platform::WindowHandle> PreviewParent(std::string_view arguments);

// The module mdSaver: the program's entry routine and the state that outlives it.
class mdSaver {
 public:
  explicit mdSaver(platform::Platform& platform);
  ~mdSaver();

  // The entry routine: refuses a second instance, then does what the switch asks. A preview
  // is no instance: it neither asks nor counts.
  void Main();

  Globals& GetGlobals() { return globals_; }

 private:
  platform::Platform& platform_;
  Globals globals_;
  std::unique_ptr<frmConfig> config_;
  std::unique_ptr<frmScrnSave> saver_;
};

// The whole program: Main, then the dialog's message loop. An error that nothing handled, a
// run-time error or any other, is reported once and ends the process: by the saver window
// during a saver run (frmScrnSave::ReportUnhandledError), here otherwise.
void RunProgram(platform::Platform& platform);

// The whole program of a shell whose own command line has asked for the saver: one saver run,
// with errors reported as RunProgram reports them.
void RunSaverProgram(platform::SaverPlatform& platform);

}  // namespace zv
