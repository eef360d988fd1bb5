#include "shells/x11/x11_options.h"

#include <charconv>
#include <cstdlib>

#include "runtime/numeric_text.h"
#include "runtime/run_time_error.h"
#include "version.h"

namespace zv::x11 {
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
  return R"(Usage: zorvalite [--root | --window-id ID | --window] [--level N] [--spec N]

Three seven-segment reels spin and stop left, right, centre on a black screen; a reach makes
the centre reel crawl, a jackpot blinks. A display mode for XScreenSaver (and xfce4- or
mate-screensaver); every option may also be written with one dash.

Where it draws:
  (no option)        its own full-screen black window, the pointer hidden; a key, a click or
                     a pointer movement of one pixel ends it
  --root             the window named by XSCREENSAVER_WINDOW when set (the daemon's),
                     else the root window
  --window-id ID     the window ID (hexadecimal 0x... or decimal)
  --window           an ordinary resizable window of its own, to try it in
In a window it is given, it draws as on a screen of that window's size, follows its resizing
and ignores input. It ends at once on SIGTERM or SIGINT, when its window is destroyed, and
in --window mode when the window is closed.

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

X11Options ParseX11Options(const std::vector<std::string>& args, std::optional<std::string> xscreensaverWindow) {
  X11Options options;
  bool targetGiven = false;
  auto setTarget = [&](const std::string& option, Target target) {
    if (targetGiven) throw UsageError(option + ": only one of --root, --window-id and --window may be given");
    targetGiven = true;
    options.target = target;
  };

  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    // XScreenSaver's programs take their options with one dash or two.
    const std::string name = arg.rfind("--", 0) == 0 ? arg.substr(2) : arg.rfind('-', 0) == 0 ? arg.substr(1) : "";
    const std::string option = "--" + name;
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(option + " needs a value");
      return args[++i];
    };

    if (name == "help" || name == "h") {
      options.help = true;
    } else if (name == "version") {
      options.version = true;
    } else if (name == "root") {
      setTarget(option, Target::GivenWindow);
      if (xscreensaverWindow) {
        options.window = WindowId(*xscreensaverWindow);
        if (!options.window) throw UsageError("XSCREENSAVER_WINDOW: '" + *xscreensaverWindow + "' is not a window id");
      }
    } else if (name == "window-id") {
      setTarget(option, Target::GivenWindow);
      const std::string& text = value();
      options.window = WindowId(text);
      if (!options.window) throw UsageError(option + ": '" + text + "' is not a window id (0x... or decimal)");
    } else if (name == "window") {
      setTarget(option, Target::TryWindow);
    } else if (name == "level") {
      options.level = Setting(option, value());
    } else if (name == "spec") {
      options.spec = Setting(option, value());
    } else {
      throw UsageError("unknown argument '" + arg + "'");
    }
  }
  return options;
}

X11Options ParseX11Options(const std::vector<std::string>& args) {
  const char* window = std::getenv("XSCREENSAVER_WINDOW");
  return ParseX11Options(args, window ? std::optional<std::string>(window) : std::nullopt);
}

}  // namespace zv::x11
