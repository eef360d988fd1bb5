#pragma once
#include <chrono>
#include <cstdint>
#include <memory>

#include "platform/surface.h"
#include "runtime/int16.h"

namespace zv::platform {

enum class Timer { Timer1, Timer2 };

// What the coming timer ticks do to the picture, worked out on a copy of the saver's state
// (the run itself is left alone): given the ticks one by one in the order they will be
// delivered, it says which is the first that changes what the next pass draws.
class PictureForecast {
 public:
  virtual ~PictureForecast() = default;
  // True when this tick, following those given before it, changes the picture.
  virtual bool Changes(Timer timer) = 0;
};

// The saver window's handlers, called by the shell only while the window yields
// (SaverWindow::DoEvents) or unloads.
class SaverWindowEvents {
 public:
  virtual ~SaverWindowEvents() = default;
  virtual void Timer1_Timer() = 0;
  virtual void Timer2_Timer() = 0;
  virtual void Form_Click() = 0;
  virtual void Form_KeyDown() = 0;
  // The pointer's place in the window's client area.
  virtual void Form_MouseMove(float x, float y) = 0;
  virtual void Form_Unload() = 0;
  // Whatever a handler threw and nothing handled: reports it and ends the process. The shell
  // calls it inside its catch, where the exception is still the one being handled.
  virtual void ReportUnhandledError() = 0;
  // Simulated shells may fast-forward through passes of the main loop in which nothing can
  // change on screen; they report how many such passes they skipped.
  virtual void IdlePasses(std::int64_t count) = 0;
  // A yield that found nothing pending waited this long for the next event, measured on the
  // shell's high-resolution clock.
  virtual void Slept(std::chrono::nanoseconds duration) = 0;
  // A forecast from the state now, for a shell that sleeps through the ticks that change
  // nothing and wakes for the first that does; none when every Timer1 tick may change the
  // picture and no Timer2 tick does.
  virtual std::unique_ptr<PictureForecast> ForecastPicture() const = 0;
};

// A picture box of the saver window: the display block or one of the hidden art boxes.
// Positions and sizes are in pixels of the window's client area.
class PictureBox {
 public:
  virtual ~PictureBox() = default;
  virtual int16 Left() const = 0;
  virtual int16 Top() const = 0;
  virtual int16 Width() const = 0;
  virtual int16 Height() const = 0;
  virtual void SetLeft(int16 left) = 0;
  virtual void SetTop(int16 top) = 0;
  virtual void SetWidth(int16 width) = 0;
  virtual void SetHeight(int16 height) = 0;
  virtual void SetEnabled(bool enabled) = 0;
  // FillStyle 0 (solid) with this colour: the brush of the surface's border fills.
  virtual void SetSolidFill(Colour colour) = 0;
  // The persistent drawing surface (device context) of the box.
  virtual Surface& Dc() = 0;
  // Shows the surface's current content on the screen.
  virtual void Refresh() = 0;
};

enum class Art { Red = 1, Green = 2, Orange = 3 };

// The platform side of the full-screen saver window `frmScrnSave`. It is created with its
// children, the display block and the three hidden art boxes, and its two timers running
// (Timer1 at kTimer1StartInterval, Timer2 at kTimer2Interval), not yet shown.
class SaverWindow {
 public:
  virtual ~SaverWindow() = default;
  // Modeless show, maximized, black.
  virtual void Show() = 0;
  // Inner size of the window in pixels.
  virtual int16 ScaleWidth() const = 0;
  virtual int16 ScaleHeight() const = 0;
  // Repaints the whole window at once.
  virtual void Refresh() = 0;
  // Clears the window's drawing surface, hides it, unloads it. Unload runs Form_Unload.
  virtual void Cls() = 0;
  virtual void Hide() = 0;
  virtual void Unload() = 0;
  // Runs every pending window and timer event, then returns. When none is pending it first
  // waits for the next one, without using the processor, and reports the wait (Slept).
  virtual void DoEvents() = 0;
  virtual void SetInterval(Timer timer, int16 milliseconds) = 0;

  virtual PictureBox& Display() = 0;
  // Pattern1, Pattern2, Pattern3: the hidden art boxes.
  virtual PictureBox& Pattern(Art art) = 0;
  // The art box takes its glyph bitmap, which the shell keeps with the program.
  virtual void LoadPicture(Art art) = 0;
};

// The system-wide calls of a saver run.
class SystemParameters {
 public:
  virtual ~SystemParameters() = default;
  // ShowCursor: moves the system's cursor display count up (true) or down (false) by one.
  virtual void ShowCursor(bool show) = 0;
  // SystemParametersInfo(SPI_SETSCREENSAVEACTIVE, active, "", 0): not saved, not broadcast.
  virtual void SetScreenSaveActive(bool active) = 0;
  // SystemParametersInfo(SPI_GETSCREENSAVEACTIVE).
  virtual bool ScreenSaveActive() = 0;
};

}  // namespace zv::platform
