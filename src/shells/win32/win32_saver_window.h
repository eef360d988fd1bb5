#pragma once
#include <windows.h>

#include <memory>
#include <vector>

#include "platform/timer_delivery.h"
#include "platform/saver_window.h"
#include "platform/screen_layout.h"
#include "shells/win32/gdi_surface.h"
#include "shells/win32/window.h"

namespace zv::win32 {

// A picture box: a persistent GDI surface, shown by a child window when it has one. Its place
// and size are in logical pixels of the layout's primary monitor; the child window shows them at
// the layout's scale.
class Win32PictureBox : public platform::PictureBox {
 public:
  Win32PictureBox() = default;
  Win32PictureBox(HWND window, const platform::ScreenLayout& layout) : window_(window), layout_(&layout) {}
  int16 Left() const override { return left_; }
  int16 Top() const override { return top_; }
  int16 Width() const override { return width_; }
  int16 Height() const override { return height_; }
  void SetLeft(int16 left) override;
  void SetTop(int16 top) override;
  void SetWidth(int16 width) override;
  void SetHeight(int16 height) override;
  void SetEnabled(bool enabled) override;
  void SetSolidFill(platform::Colour colour) override { surface_.SetFillColour(colour); }
  platform::Surface& Dc() override { return surface_; }
  void Refresh() override;

  // The picture assignment: the box takes the size and pixels of a bitmap resource.
  void Load(int bitmapId);
  void Paint(HDC target);

 private:
  void Place();

  HWND window_ = nullptr;
  const platform::ScreenLayout* layout_ = nullptr;
  int16 left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  GdiSurface surface_{1, 1};
  // The surface at the layout's scale, as the window shows it.
  GdiSurface shown_{1, 1};
  // The surface's pixels as a refresh last showed them.
  std::vector<std::uint32_t> refreshed_;
};

// The saver window "Form1", black and topmost over every monitor, with its display block child
// and its two timers; or a preview's, a child filling the client area of another program's
// window. Input over the block follows the window's rules. The timers are no Windows timers:
// their ticks are counted on the clock tick Windows delivers WM_TIMER on (the shared cadence on
// the performance counter), so that the yield sleeps through the ticks that change nothing on
// screen and delivers them, one call each, before whatever reads their counts.
class Win32SaverWindow : public platform::SaverWindow, private Window {
 public:
  // Without a parent, the full-screen window. A preview whose parent has gone before its window
  // could be made ends the process.
  explicit Win32SaverWindow(platform::SaverWindowEvents& events, HWND previewParent = nullptr);
  ~Win32SaverWindow() override;

  void Show() override;
  int16 ScaleWidth() const override;
  int16 ScaleHeight() const override;
  void Refresh() override;
  void Cls() override;
  void Hide() override;
  void Unload() override;
  void DoEvents() override;
  void SetInterval(platform::Timer timer, int16 milliseconds) override;
  platform::PictureBox& Display() override { return *display_; }
  platform::PictureBox& Pattern(platform::Art art) override { return patterns_[static_cast<int>(art) - 1]; }
  void LoadPicture(platform::Art art) override;

  HWND Hwnd() const { return window_; }

 private:
  static LRESULT CALLBACK DisplayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  // The saver reports what its handlers throw: the report shows above this window, with the
  // cursor shown and the screen-saver setting back.
  void ReportUnhandledError() override { events_.ReportUnhandledError(); }
  platform::Nanoseconds Now() const;
  // Dispatches the waiting messages, then delivers the ticks due; true when anything ran.
  bool RunPending();
  // How long the yield may sleep when no message comes, for MsgWaitForMultipleObjectsEx.
  DWORD SleepMilliseconds();

  platform::SaverWindowEvents& events_;
  platform::TimerDelivery timers_;
  const bool preview_;
  const platform::ScreenLayout layout_;
  std::unique_ptr<Win32PictureBox> display_;
  Win32PictureBox patterns_[3];
};

}  // namespace zv::win32
