#include "linux_saver/options.h"

#include <charconv>
#include <cstdlib>

#include <getopt.h>

#include "runtime/numeric_text.h"
#include "runtime/run_time_error.h"
#include "version.h"

namespace zv::linux_saver {
namespace {

// A window id as X programs write it: hexadecimal after 0x, or decimal.
std::optional<unsigned long> WindowId(std::string_view text) {
  int base = 10;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    text.remove_prefix(2);
    base = 16;
  }
  unsigned long id = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, id, base);
  if (text.empty() || ec != std::errc() || ptr != end || id == 0 || id > 0xFFFFFFFFul) return std::nullopt;
  return id;
}

// A setting converts as the Windows program converts the text in its store.
int16 Setting(const std::string& option, const std::string& text) {
  try {
    return TextToInteger16(text);
  } catch (const RuntimeError&) {
    throw UsageError(option + ": '" + text + "' is not a number from -32768 to 32767");
  }
}

}  // namespace

std::string UsageText() {
  return R"(Usage: zorvalite [--root | --window-id ID | --window] [--x11 | --wayland] [--level N] [--spec N]

Three seven-segment reels spin and stop left, right, centre on a black screen; a reach makes
the centre reel crawl, a jackpot blinks. A display mode for XScreenSaver (and xfce4- or
mate-screensaver) on X11, and a native Wayland client for idle daemons such as swayidle;
every option may also be written with one dash.

Where it draws:
  (no option)        full screen, black, the pointer hidden (on Wayland one surface on
                     every output, each with its own reels); a key, a click, a wheel turn
                     or a pointer movement of one pixel ends it
  --root             the window named by XSCREENSAVER_WINDOW when set (the daemon's),
                     else the root window (X11)
  --window-id ID     the window ID (hexadecimal 0x... or decimal) (X11)
  --window           an ordinary resizable window of its own, to try it in
In a window it is given, it draws as on a screen of that window's size, follows its resizing
and ignores input. It ends at once on SIGTERM or SIGINT, when its window is destroyed, and
in --window mode when the window is closed.

Display server:
  --x11, --wayland   talk to that one; without either, Wayland when WAYLAND_DISPLAY is set
                     and neither --root nor --window-id is given, else X11 (DISPLAY)

Settings:
  --level N          the jackpot comes 1 in N spins: 301 normal mode (通常モード, the
                     default), 30 probability-up mode (確変モード)
  --spec N           the reels' tick: 0 every 75 ms (ハイスペック, high spec, the default),
                     anything else every 10 ms (ロースペック, low spec)
  --help             show this text
  --version          show the version

Exit status: 0 when ended, 1 on an error (reported on standard error), 2 on a bad command
line.
)";
}

std::string VersionText() { return "zorvalite " ZV_RELEASE_VERSION "\n"; }

Options ParseOptions(const std::vector<std::string>& args, const Environment& environment) {
  enum Name { kHelp = 256, kVersion, kRoot, kWindowId, kWindow, kLevel, kSpec, kX11, kWayland };
  static const option kLongOptions[] = {
      {"help", no_argument, nullptr, kHelp},         {"version", no_argument, nullptr, kVersion},
      {"root", no_argument, nullptr, kRoot},         {"window-id", required_argument, nullptr, kWindowId},
      {"window", no_argument, nullptr, kWindow},     {"level", required_argument, nullptr, kLevel},
      {"spec", required_argument, nullptr, kSpec},   {"x11", no_argument, nullptr, kX11},
      {"wayland", no_argument, nullptr, kWayland},   {nullptr, 0, nullptr, 0}};
  auto nameOf = [](int value) {
    for (const option& entry : kLongOptions)
      if (entry.val == value) return std::string("--") + entry.name;
    return std::string();
  };

  // getopt takes the program's name first, and writable strings.
  std::vector<std::string> texts{"zorvalite"};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);
  const int argc = static_cast<int>(texts.size());

  Options options;
  std::string targetOption;
  auto setTarget = [&](const std::string& option, Target target) {
    if (!targetOption.empty()) throw UsageError(option + ": only one of --root, --window-id and --window may be given");
    targetOption = option;
    options.target = target;
  };
  std::optional<Server> forced;
  auto force = [&](const std::string& option, Server server) {
    if (forced && *forced != server) throw UsageError(option + ": only one of --x11 and --wayland may be given");
    forced = server;
  };

  // Options in the order given, each with one dash or two, a value after a blank or '='; getopt
  // says nothing itself ("-" first: a word that is no option comes back as 1; ":" next: an
  // option without its value as ':').
  opterr = 0;
  optind = 0;
  for (;;) {
    const int at = optind == 0 ? 1 : optind;
    const int found = getopt_long_only(argc, argv.data(), "-:", kLongOptions, nullptr);
    if (found == -1) break;
    switch (found) {
      case kHelp: options.help = true; break;
      case kVersion: options.version = true; break;
      case kRoot:
        setTarget(nameOf(found), Target::GivenWindow);
        if (environment.xscreensaverWindow) {
          options.window = WindowId(*environment.xscreensaverWindow);
          if (!options.window)
            throw UsageError("XSCREENSAVER_WINDOW: '" + *environment.xscreensaverWindow + "' is not a window id");
        }
        break;
      case kWindowId:
        setTarget(nameOf(found), Target::GivenWindow);
        options.window = WindowId(optarg);
        if (!options.window) throw UsageError(nameOf(found) + ": '" + optarg + "' is not a window id (0x... or decimal)");
        break;
      case kWindow: setTarget(nameOf(found), Target::TryWindow); break;
      case kLevel: options.level = Setting(nameOf(found), optarg); break;
      case kSpec: options.spec = Setting(nameOf(found), optarg); break;
      case kX11: force(nameOf(found), Server::X11); break;
      case kWayland: force(nameOf(found), Server::Wayland); break;
      case ':': throw UsageError(nameOf(optopt) + " needs a value");
      case 1: throw UsageError(std::string("unknown argument '") + optarg + "'");
      default: throw UsageError(std::string("unknown argument '") + argv[at] + "'");
    }
  }
  // "--" ends getopt's options; the display mode has no other kind of argument.
  if (optind > 1 && texts[optind - 1] == "--") throw UsageError("unknown argument '--'");

  // A window given by its id is an X11 window; otherwise a Wayland session gets the Wayland mode.
  if (options.target == Target::GivenWindow) {
    if (forced == Server::Wayland) throw UsageError(targetOption + ": draws into an X11 window, not with --wayland");
    options.server = Server::X11;
  } else {
    options.server = forced.value_or(environment.wayland ? Server::Wayland : Server::X11);
  }
  return options;
}

Options ParseOptions(const std::vector<std::string>& args) { return ParseOptions(args, ProcessEnvironment()); }

Environment ProcessEnvironment() {
  const auto named = [](const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
  };
  const char* window = std::getenv("XSCREENSAVER_WINDOW");
  return {.xscreensaverWindow = window ? std::optional<std::string>(window) : std::nullopt,
          .x11 = named("DISPLAY"),
          .wayland = named("WAYLAND_DISPLAY")};
}

std::optional<std::string> MissingDisplay(const Environment& environment) {
  if (environment.x11 || environment.wayland) return std::nullopt;
  return "needs a display to run on: neither DISPLAY (X11) nor WAYLAND_DISPLAY (Wayland) is set";
}

}  // namespace zv::linux_saver
