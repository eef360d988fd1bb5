#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "linux_saver/saver_process.h"
#include "linux_saver/options.h"
#include "shells/headless/headless_platform.h"
#include "startup/md_saver.h"

namespace zv::linux_saver {
namespace {

using Args = std::vector<std::string>;

TEST(DisplayModeOptions, TheDaemonsFormsAndTheSettingsAreTaken) {
  Options none = ParseOptions({}, {.xscreensaverWindow = "0x1234"});
  EXPECT_EQ(none.target, Target::FullScreen);
  EXPECT_EQ(none.level, 301);
  EXPECT_EQ(none.spec, 0);

  // --root draws where XSCREENSAVER_WINDOW points, else into the root window.
  EXPECT_EQ(ParseOptions({"-root"}, {.xscreensaverWindow = "0x2a00007"}).window, 0x2a00007ul);
  Options root = ParseOptions({"--root"}, {});
  EXPECT_EQ(root.target, Target::GivenWindow);
  EXPECT_FALSE(root.window);

  EXPECT_EQ(ParseOptions({"-window-id", "0X3F"}, {}).window, 0x3Ful);
  Options id = ParseOptions({"--window-id", "4194311", "--level", "30", "-spec", "1"}, {.xscreensaverWindow = "0x99"});
  EXPECT_EQ(id.target, Target::GivenWindow);
  EXPECT_EQ(id.window, 4194311ul);
  EXPECT_EQ(id.level, 30);
  EXPECT_EQ(id.spec, 1);

  EXPECT_EQ(ParseOptions({"--window"}, {}).target, Target::TryWindow);
  EXPECT_TRUE(ParseOptions({"-help"}, {}).help);
  EXPECT_TRUE(ParseOptions({"--version"}, {}).version);
  // The settings convert as the stored text does: blanks around, a fraction rounds half to even.
  EXPECT_EQ(ParseOptions({"--level", " 30.5 "}, {}).level, 30);
  EXPECT_EQ(ParseOptions({"--level", "-32768"}, {}).level, -32768);
}

TEST(DisplayModeOptions, WhatDoesNotConvertIsRefusedByName) {
  const auto message = [](const Args& args, std::optional<std::string> window = std::nullopt) {
    try {
      ParseOptions(args, {.xscreensaverWindow = window});
    } catch (const UsageError& error) {
      return std::string(error.what());
    }
    return std::string("accepted");
  };
  EXPECT_EQ(message({"--level", "abc"}), "--level: 'abc' is not a number from -32768 to 32767");
  EXPECT_EQ(message({"-spec", "32768"}), "--spec: '32768' is not a number from -32768 to 32767");
  EXPECT_EQ(message({"--level"}), "--level needs a value");
  EXPECT_EQ(message({"--window-id", "0x"}), "--window-id: '0x' is not a window id (0x... or decimal)");
  EXPECT_EQ(message({"--window-id", "12ab"}), "--window-id: '12ab' is not a window id (0x... or decimal)");
  EXPECT_EQ(message({"--window-id", "0"}), "--window-id: '0' is not a window id (0x... or decimal)");
  // X11's ids have 32 bits.
  EXPECT_EQ(message({"--window-id", "0x100000000"}), "--window-id: '0x100000000' is not a window id (0x... or decimal)");
  EXPECT_EQ(message({"--root"}, "root"), "XSCREENSAVER_WINDOW: 'root' is not a window id");
  EXPECT_EQ(message({"--root", "--window"}), "--window: only one of --root, --window-id and --window may be given");
  EXPECT_EQ(message({"--fps"}), "unknown argument '--fps'");
  EXPECT_EQ(message({"-fps"}), "unknown argument '-fps'");
  EXPECT_EQ(message({"root"}), "unknown argument 'root'");
  EXPECT_EQ(message({"--window", "--"}), "unknown argument '--'");
  EXPECT_EQ(message({"--"}), "unknown argument '--'");
  EXPECT_EQ(message({"-:x"}), "unknown argument '-:x'");
  EXPECT_EQ(message({"--x11", "-wayland"}), "--wayland: only one of --x11 and --wayland may be given");
  EXPECT_EQ(message({"--wayland", "-window-id", "7"}), "--window-id: draws into an X11 window, not with --wayland");
}

// Wayland when the session has it and no X11 window is asked for; --x11 and --wayland decide.
TEST(DisplayModeOptions, TheDisplayServerFollowsTheSessionUnlessForced) {
  const Environment wayland{.xscreensaverWindow = std::nullopt, .wayland = true};
  EXPECT_EQ(ParseOptions({}, {}).server, Server::X11);
  EXPECT_EQ(ParseOptions({}, wayland).server, Server::Wayland);
  EXPECT_EQ(ParseOptions({"--window"}, wayland).server, Server::Wayland);
  EXPECT_EQ(ParseOptions({"-root"}, wayland).server, Server::X11);
  EXPECT_EQ(ParseOptions({"--window-id=0x2a"}, wayland).server, Server::X11);
  EXPECT_EQ(ParseOptions({"--x11"}, wayland).server, Server::X11);
  EXPECT_EQ(ParseOptions({"--x11", "-x11"}, wayland).server, Server::X11);
  EXPECT_EQ(ParseOptions({"--wayland", "--level=30"}, {}).server, Server::Wayland);
}

TEST(SaverProcess, AnErrorIsReportedOnceOnStandardErrorAndEndsWithStatus1) {
  EXPECT_EXIT(SaverProcess().End(), ::testing::ExitedWithCode(0), "^$");

  // A fault of the saver run reaches the top of the program, as on Windows.
  struct SaverWithoutArt : platform::SaverPlatform {
    SaverProcess process;
    headless::MemorySettingsStore settings;
    headless::HeadlessSystem system;
    ClockSeededRandom random;
    platform::Process& GetProcess() override { return process; }
    platform::SettingsSource& Settings() override { return settings; }
    platform::SystemParameters& System() override { return system; }
    RandomSource& Random() override { return random; }
    std::unique_ptr<platform::SaverWindow> CreateSaverWindow(platform::SaverWindowEvents& events) override {
      headless::SaverWindowOptions options;
      options.assetsDir = "/nonexistent";
      return std::make_unique<headless::HeadlessSaverWindow>(events, options);
    }
  };
  EXPECT_EXIT(
      {
        SaverWithoutArt run;
        RunSaverProgram(run);
      },
      ::testing::ExitedWithCode(1), "^zorvalite: run-time error 51: Internal error\n$");
}

}  // namespace
}  // namespace zv::linux_saver
