// Any command line (and either answer of the single-instance test) must end in exactly one of
// the defined runs: the message, the dialog, a silent end, or a saver run that ends on input.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shells/headless/headless_platform.h"
#include "startup/md_saver.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

std::string ExpectedSwitch(const std::string& arguments) {
  std::size_t b = arguments.find_first_not_of(' ');
  if (b == std::string::npos) return {};
  std::size_t e = arguments.find_last_not_of(' ');
  std::string s = arguments.substr(b, e - b + 1).substr(0, 2);
  for (char& c : s) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool anotherInstance = data[0] & 1;
  const std::string arguments(reinterpret_cast<const char*>(data + 1), size - 1);

  const std::string switchText = zv::FormSwitch(arguments);
  Check(switchText == ExpectedSwitch(arguments));
  const zv::RunKind kind = zv::Dispatch(switchText);

  zv::ClockSeededRandom random;
  zv::headless::SaverWindowOptions options;
  options.assetsDir = ZV_ASSETS_DIR;
  options.fastForward = true;
  zv::headless::HeadlessPlatform platform(random, options);
  platform.process.arguments = arguments;
  platform.process.anotherInstance = anotherInstance;
  platform.pendingInput.push_back({zv::headless::InputEvent::Kind::Key, 0});

  try {
    zv::RunProgram(platform);
  } catch (const zv::headless::ProcessEnded&) {
  }
  const auto& process = platform.process;
  Check(process.errorReports.empty());
  if (anotherInstance) {
    Check(process.ended && process.messages.empty() && !platform.saverWindowsCreated && !platform.configWindowsCreated);
    return 0;
  }
  switch (kind) {
    case zv::RunKind::PasswordMessage:
      Check(process.ended && process.messages.size() == 1 && !platform.saverWindowsCreated && !platform.configWindowsCreated);
      break;
    case zv::RunKind::Configure:
      Check(!process.ended && platform.configWindowsCreated == 1 && !platform.saverWindowsCreated);
      break;
    case zv::RunKind::Preview:
      Check(process.ended && process.messages.empty() && !platform.saverWindowsCreated && !platform.configWindowsCreated);
      break;
    case zv::RunKind::Saver:
      // Hidden once, shown twice; the screen-saver setting back as it was.
      Check(process.ended && platform.saverWindowsCreated == 1 && platform.system.cursorCount == 1);
      Check(platform.system.screenSaveActive);
      Check(platform.settings.writes.empty());
      break;
  }
  return 0;
}
