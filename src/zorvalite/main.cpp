// zorvalite: the saver as a Linux display mode, on X11 or natively on Wayland.
#include <cstdio>
#include <exception>

#include "linux_saver/options.h"
#include "linux_saver/run_end.h"
#include "shells/wayland/wayland_display_mode.h"
#include "shells/x11/x11_display_mode.h"

int main(int argc, char** argv) {
  using namespace zv::linux_saver;
  const Environment environment = ProcessEnvironment();
  Options options;
  try {
    options = ParseOptions({argv + 1, argv + argc}, environment);
  } catch (const UsageError& error) {
    std::fprintf(stderr, "zorvalite: %s\nTry 'zorvalite --help'.\n", error.what());
    return 2;
  }
  if (options.help) {
    std::fputs(UsageText().c_str(), stdout);
    return 0;
  }
  if (options.version) {
    std::fputs(VersionText().c_str(), stdout);
    return 0;
  }
  if (const auto missing = MissingDisplay(environment)) {
    std::fprintf(stderr, "zorvalite: %s\n", missing->c_str());
    return ExitStatus(RunEnd::Failed);
  }
  try {
    return options.server == Server::Wayland ? zv::wayland::RunDisplayMode(options) : zv::x11::RunDisplayMode(options);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zorvalite: %s\n", error.what());
  }
  return ExitStatus(RunEnd::Failed);
}
