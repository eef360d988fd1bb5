#include "startup/md_saver.h"

#include <algorithm>

#include "config/frm_config.h"
#include "report/unhandled_error.h"
#include "saver/frm_scrn_save.h"

namespace zv {

std::string FormSwitch(std::string_view arguments) {
  std::size_t begin = arguments.find_first_not_of(' ');
  if (begin == std::string_view::npos) return {};
  std::size_t end = arguments.find_last_not_of(' ') + 1;
  std::string text(arguments.substr(begin, std::min<std::size_t>(end - begin, 2)));
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

RunKind Dispatch(std::string_view switchText) {
  if (switchText == "/A") return RunKind::PasswordMessage;
  if (switchText == "/C") return RunKind::Configure;
  if (switchText == "/P") return RunKind::Preview;
  if (switchText.empty()) return RunKind::Configure;
  return RunKind::Saver;
}

mdSaver::mdSaver(platform::Platform& platform) : platform_(platform) {}
mdSaver::~mdSaver() = default;

void mdSaver::Main() {
  platform::StartupProcess& process = platform_.GetProcess();
  std::string switchText = FormSwitch(process.CommandLineArguments());
  if (process.AnotherInstanceRunning()) process.End();

  switch (Dispatch(switchText)) {
    case RunKind::PasswordMessage:
      process.ShowMessage(platform::TextId::PasswordsNotSupported);
      process.End();
      return;
    case RunKind::Configure:
      config_ = std::make_unique<frmConfig>(platform_, globals_);
      config_->Form_Load();
      return;
    case RunKind::Preview:
      process.End();
      return;
    case RunKind::Saver:
      globals_.SaverMode = kTrue;
      saver_ = std::make_unique<frmScrnSave>(platform_, globals_);
      saver_->Form_Load();
      return;
  }
}

namespace {

template <typename Run>
void ReportingErrors(platform::Process& process, const Run& run) {
  try {
    run();
  } catch (const std::exception&) {
    // Every error of the program and of the standard library is a std::exception; a shell
    // whose End cannot stop the process at once unwinds with something else, and that passes.
    ReportUnhandledAndEnd(process);
  }
}

}  // namespace

void RunProgram(platform::Platform& platform) {
  ReportingErrors(platform.GetProcess(), [&] {
    mdSaver program(platform);
    program.Main();
    platform.RunMessageLoop();
  });
}

void RunSaverProgram(platform::SaverPlatform& platform) {
  ReportingErrors(platform.GetProcess(), [&] {
    Globals globals;
    globals.SaverMode = kTrue;
    frmScrnSave saver(platform, globals);
    saver.Form_Load();
  });
}

}  // namespace zv
