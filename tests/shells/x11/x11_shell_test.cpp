#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "shells/headless/headless_platform.h"
#include "shells/x11/x11_options.h"
#include "shells/x11/x11_process.h"
#include "startup/md_saver.h"

namespace zv::x11 {
namespace {

using Args = std::vector<std::string>;

TEST(X11Options, TheDaemonsFormsAndTheSettingsAreTaken) {
  X11Options none = ParseX11Options({}, "0x1234");
  EXPECT_EQ(none.target, Target::FullScreen);
  EXPECT_EQ(none.level, 301);
  EXPECT_EQ(none.spec, 0);

  // --root draws where XSCREENSAVER_WINDOW points, else into the root window.
  EXPECT_EQ(ParseX11Options({"-root"}, "0x2a00007").window, 0x2a00007ul);
  X11Options root = ParseX11Options({"--root"}, std::nullopt);
  EXPECT_EQ(root.target, Target::GivenWindow);
  EXPECT_FALSE(root.window);

  EXPECT_EQ(ParseX11Options({"-window-id", "0X3F"}, std::nullopt).window, 0x3Ful);
  X11Options id = ParseX11Options({"--window-id", "4194311", "--level", "30", "-spec", "1"}, "0x99");
  EXPECT_EQ(id.target, Target::GivenWindow);
  EXPECT_EQ(id.window, 4194311ul);
  EXPECT_EQ(id.level, 30);
  EXPECT_EQ(id.spec, 1);

  EXPECT_EQ(ParseX11Options({"--window"}, std::nullopt).target, Target::TryWindow);
  EXPECT_TRUE(ParseX11Options({"-help"}, std::nullopt).help);
  EXPECT_TRUE(ParseX11Options({"--version"}, std::nullopt).version);
  // The settings convert as the stored text does: blanks around, a fraction rounds half to even.
  EXPECT_EQ(ParseX11Options({"--level", " 30.5 "}, std::nullopt).level, 30);
  EXPECT_EQ(ParseX11Options({"--level", "-32768"}, std::nullopt).level, -32768);
}

TEST(X11Options, WhatDoesNotConvertIsRefusedByName) {
  const auto message = [](const Args& args, std::optional<std::string> window = std::nullopt) {
    try {
      ParseX11Options(args, window);
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
  EXPECT_EQ(message({"--root"}, "root"), "XSCREENSAVER_WINDOW: 'root' is not a window id");
  EXPECT_EQ(message({"--root", "--window"}), "--window: only one of --root, --window-id and --window may be given");
  EXPECT_EQ(message({"--fps"}), "unknown argument '--fps'");
  EXPECT_EQ(message({"root"}), "unknown argument 'root'");
}

TEST(X11Process, AnErrorIsReportedOnceOnStandardErrorAndEndsWithStatus1) {
  EXPECT_EXIT(X11Process().End(), ::testing::ExitedWithCode(0), "^$");

  // A fault of the saver run reaches the top of the program, as on Windows.
  struct SaverWithoutArt : platform::SaverPlatform {
    X11Process process;
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
}  // namespace zv::x11
