#pragma once
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "runtime/int16.h"
#include "settings/settings.h"

namespace zv::linux_saver {

// Where the saver draws.
enum class Target {
  FullScreen,   // full screen (on Wayland one surface per output), ended by the saver's quit rules
  TryWindow,    // an ordinary resizable window of its own, to try the saver in
  GivenWindow,  // a window someone else owns (the screen-saver daemon's, or the root window): X11 only
};

// The display server the saver talks to.
enum class Server { X11, Wayland };

// The command line of the Linux display mode, with XScreenSaver's conventions.
struct Options {
  Target target = Target::FullScreen;
  Server server = Server::X11;
  // The given window; none means the root window.
  std::optional<unsigned long> window;
  // The two settings, which the Windows program keeps in its store.
  int16 level = kDefaultLevel;
  int16 spec = kDefaultSpec;
  bool help = false;
  bool version = false;
};

// What the command line reads from the environment.
struct Environment {
  // XSCREENSAVER_WINDOW, through which the daemon names the window that --root draws into.
  std::optional<std::string> xscreensaverWindow;
  // Whether DISPLAY names an X display.
  bool x11 = false;
  // Whether WAYLAND_DISPLAY is set: a Wayland session, where the saver runs natively unless
  // told otherwise.
  bool wayland = false;
};

// A command line the program refuses; the message names the argument.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

Options ParseOptions(const std::vector<std::string>& args, const Environment& environment);
// The same, with the environment of the process.
Options ParseOptions(const std::vector<std::string>& args);
// The environment of the process; a variable set to nothing counts as unset.
Environment ProcessEnvironment();
// What the program says when the environment names no display server to run on, else nothing.
std::optional<std::string> MissingDisplay(const Environment& environment);
std::string UsageText();
// What --version prints: the program and its version.
std::string VersionText();

}  // namespace zv::linux_saver
