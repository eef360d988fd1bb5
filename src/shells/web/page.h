#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "shells/web/page_protocol.h"

// The calls of the web shell into its page: the page object of the run's worker (run_worker.js),
// Module.page (docs/ARCHITECTURE.md, "The web page").
namespace zv::web::page {

// The page's screen, black, filling the window (or the whole screen, full screen), in device
// pixels, and its DPI: 96 for each device pixel per CSS pixel (devicePixelRatio).
struct Screen {
  int width;
  int height;
  int dpi;
};
Screen ScreenSize();

// Shows a width x height block of pixels at (x, y) of the screen, each pixel as its bytes red,
// green, blue, alpha in memory: the display block, in a canvas of its size.
void PutPixels(const std::uint32_t* pixels, int width, int height, int x, int y);
// Blacks out the display block.
void FillBlack();
void ShowScreen(bool shown);
// Whether the pointer shows over the screen while it is full screen.
void ShowPointer(bool shown);

// The page's clock, in milliseconds from the start of the page.
double Now();
// Sleeps until `milliseconds` from now, or until the page has an event for the run, whichever
// comes first. While the page is hidden the time does not run out: the sleep lasts until the
// page shows again.
void Wait(double milliseconds);

// What the page passes on to the run. Input comes only while the screen is full screen, where
// the saver's quit rules apply; Closed says the browser left full screen by itself (its Esc).
struct Event {
  using Kind = EventKind;
  Kind kind = Kind::None;
  float x = 0, y = 0;  // the pointer's place on the screen, in device pixels
};
Event TakeEvent();

// The text of a setting: the page's query parameter (`level`, `spec`), else the text the panel
// keeps in the browser's storage; none when neither holds one.
std::optional<std::string> SettingText(std::string_view key);
// The value a setting has in the run, for the panel to show; with a note when the given text
// was unusable and the default applies.
void ShowSetting(std::string_view key, int value, std::string_view note);

// The report of an error nothing handled, on the page.
void Report(std::string_view text);
// The run is over: the page leaves full screen and, unless an error was reported, starts the
// next run.
void Ended();
// Sleeps for good: the run never goes on, and the page ends its worker.
void Halt();

}  // namespace zv::web::page
