#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/int16.h"
#include "settings/settings.h"

namespace zv::x11 {

// Where the saver draws.
enum class Target {
  FullScreen,   // a full-screen window of its own, ended by the saver's quit rules
  TryWindow,    // an ordinary resizable window of its own, to try the saver in
  GivenWindow,  // a window someone else owns (the screen-saver daemon's, or the root window)
};

// The command line of the X11 program, with XScreenSaver's conventions.
struct X11Options {
  Target target = Target::FullScreen;
  // The given window; none means the root window.
  std::optional<unsigned long> window;
  // The two settings, which the Windows program keeps in its store.
  int16 level = kDefaultLevel;
  int16 spec = kDefaultSpec;
  bool help = false;
  bool version = false;
};

// A command line the program refuses; the message names the argument.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// `xscreensaverWindow` is the value of XSCREENSAVER_WINDOW, through which the daemon names the
// window that --root draws into.
X11Options ParseX11Options(const std::vector<std::string>& args, std::optional<std::string> xscreensaverWindow);
// The same, with XSCREENSAVER_WINDOW read from the environment.
X11Options ParseX11Options(const std::vector<std::string>& args);
std::string UsageText();
// What --version prints: the program and its version.
std::string VersionText();

}  // namespace zv::x11
