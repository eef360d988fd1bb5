// zorvalite: the saver as a Linux display mode, on X11 or natively on Wayland.
#include <cstdio>
#include <cstdlib>
#include <exception>

#include "display_mode/options.h"
#include "shells/wayland/wayland_display_mode.h"
#include "shells/x11/x11_platform.h"
#include "startup/md_saver.h"

int main(int argc, char** argv) {
  using namespace zv::display_mode;
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
    return 1;
  }
  try {
    if (options.server == Server::Wayland) return zv::wayland::RunDisplayMode(options);
    zv::x11::X11Platform platform(options);
    // The run ends the process.
    zv::RunSaverProgram(platform);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "zorvalite: %s\n", error.what());
  }
  return 1;
}
