#include "startup/md_saver.h"

#include <algorithm>
#include <charconv>

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

std::optional<platform::WindowHandle> PreviewParent(std::string_view arguments) {
  auto trimSpaces = [](std::string_view text) {
    const std::size_t begin = text.find_first_not_of(' ');
    if (begin == std::string_view::npos) return std::string_view{};
    return text.substr(begin, text.find_last_not_of(' ') + 1 - begin);
  };
  // After the switch: blanks, at most one colon, blanks, the digits.
  std::string_view number = trimSpaces(arguments);
  number = trimSpaces(number.substr(std::min<std::size_t>(2, number.size())));
  if (number.starts_with(':')) number = trimSpaces(number.substr(1));
  // Digits only (from_chars would take a minus sign), and few enough to be a handle.
  if (number.empty() || number.find_first_not_of("0123456789") != std::string_view::npos) return std::nullopt;
  platform::WindowHandle handle = 0;
  if (std::from_chars(number.data(), number.data() + number.size(), handle).ec != std::errc()) return std::nullopt;
  return handle;
}

mdSaver::mdSaver(platform::Platform& platform) : platform_(platform) {}
mdSaver::~mdSaver() = default;

void mdSaver::Main() {
  platform::StartupProcess& process = platform_.GetProcess();
  const std::string arguments = process.CommandLineArguments();
  const RunKind run = Dispatch(FormSwitch(arguments));
  if (run != RunKind::Preview && process.AnotherInstanceRunning()) process.End();

  switch (run) {
    case RunKind::PasswordMessage:
      process.ShowMessage(platform::TextId::PasswordsNotSupported);
      process.End();
      return;
    case RunKind::Configure:
      config_ = std::make_unique<frmConfig>(platform_, globals_);
      config_->Form_Load();
      return;
    case RunKind::Preview: {
      // Without a window to show in, nothing to do.
      const std::optional<platform::WindowHandle> parent = PreviewParent(arguments);
      if (!parent || !platform_.WindowExists(*parent)) process.End();
      saver_ = std::make_unique<frmScrnSave>(platform_, globals_, *parent);
      saver_->Form_Load();
      return;
    }
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
