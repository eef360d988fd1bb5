#include "shells/win32/win32_saver_window.h"

#include <windowsx.h>

#include <algorithm>
#include <chrono>
#include <cstdint>

#include "resource_ids.h"
#include "shells/win32/dpi.h"
#include "shells/win32/resources.h"

namespace zv::win32 {
namespace {

const wchar_t kWindowClass[] = L"ZorvaliteSaverWindow";
const wchar_t kDisplayClass[] = L"ZorvaliteDisplay";

// Dispatches every message waiting for the thread; false when there was none.
bool DispatchPending() {
  MSG msg;
  bool any = false;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    any = true;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return any;
}

std::int64_t PerformanceCount() {
  LARGE_INTEGER count;
  QueryPerformanceCounter(&count);
  return count.QuadPart;
}

// The performance counter's ticks as nanoseconds, whole seconds apart so that nothing overflows.
std::chrono::nanoseconds PerformanceTicksToTime(std::int64_t ticks) {
  static const std::int64_t frequency = [] {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    return f.QuadPart;
  }();
  constexpr std::int64_t kNanosecondsPerSecond = 1'000'000'000;
  return std::chrono::nanoseconds(ticks / frequency * kNanosecondsPerSecond +
                                  ticks % frequency * kNanosecondsPerSecond / frequency);
}

// A preview's "desktop": the client area of the window it shows in, at that window's DPI.
platform::Desktop PreviewDesktop(HWND parent) {
  RECT area{};
  GetClientRect(parent, &area);
  return {{0, 0, area.right, area.bottom}, {}, WindowDpi(parent)};
}

}  // namespace

void Win32PictureBox::Place() {
  if (!window_) return;
  const platform::Rect shown = layout_->ToWindow({left_, top_, width_, height_});
  MoveWindow(window_, shown.left, shown.top, shown.width, shown.height, TRUE);
}
void Win32PictureBox::SetLeft(int16 left) { left_ = left; Place(); }
void Win32PictureBox::SetTop(int16 top) { top_ = top; Place(); }
void Win32PictureBox::SetWidth(int16 width) { width_ = width; surface_.Resize(width_, height_); Place(); }
void Win32PictureBox::SetHeight(int16 height) { height_ = height; surface_.Resize(width_, height_); Place(); }
void Win32PictureBox::SetEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled ? TRUE : FALSE);
}

// Straight into the block's own device context, which keeps its visible region from one
// refresh to the next: a paint message, or a shared device context, would ask the window server
// for the window's region and place (and, in a preview, its parents', which belong to another
// program) at every refresh, up to 150 times a second.
void Win32PictureBox::Refresh() {
  if (!window_) return;
  // A refresh that changes no pixel sends nothing to the window server.
  const std::uint32_t* bits = surface_.Bits();
  const std::size_t count = static_cast<std::size_t>(surface_.Width()) * surface_.Height();
  if (refreshed_.size() == count && std::equal(bits, bits + count, refreshed_.begin())) return;
  refreshed_.assign(bits, bits + count);
  HDC dc = GetDC(window_);
  Paint(dc);
  ReleaseDC(window_, dc);
}

void Win32PictureBox::Load(int bitmapId) {
  HBITMAP picture = LoadArtBitmap(bitmapId);
  if (!picture) return;
  surface_.Assign(picture);
  DeleteObject(picture);
  width_ = surface_.Width();
  height_ = surface_.Height();
}

// At the layout's scale, each shown pixel of the colour of the surface's pixel under its centre
// (platform::ScalePixels, as the other shells show it): at a whole scale each pixel a square,
// never a blend.
void Win32PictureBox::Paint(HDC target) {
  const int width = layout_->blockScale.Shown(width_), height = layout_->blockScale.Shown(height_);
  if (shown_.Width() != width || shown_.Height() != height)
    shown_.Resize(static_cast<int16>(width), static_cast<int16>(height));
  platform::ScalePixels(surface_.Bits(), width_, height_, shown_.Bits(), width, height);
  ::BitBlt(target, 0, 0, width, height, shown_.Dc(), 0, 0, SRCCOPY);
}

Win32SaverWindow::Win32SaverWindow(platform::SaverWindowEvents& events, HWND previewParent)
    : events_(events),
      timers_(events, Now()),
      preview_(previewParent != nullptr),
      layout_(platform::LayoutFor(preview_ ? PreviewDesktop(previewParent) : ReadDesktop())) {
  auto* black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  const platform::Rect& area = layout_.window;
  if (preview_) {
    Create(kWindowClass, LoadProgramIcon(), black, L"Form1", WS_CHILD | WS_CLIPCHILDREN, 0, 0, area.width,
           area.height, previewParent);
    if (!window_) ExitProcess(0);
  } else {
    // Explicit size, every monitor: a pop-up window given default sizes may come out empty.
    Create(kWindowClass, LoadProgramIcon(), black, L"Form1", WS_POPUP | WS_CLIPCHILDREN, area.left, area.top,
           area.width, area.height);
  }
  RegisterWindowClass(kDisplayClass, DisplayProc, nullptr, black, CS_OWNDC);  // see Win32PictureBox::Refresh
  HWND display = CreateWindowExW(0, kDisplayClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  display_ = std::make_unique<Win32PictureBox>(display, layout_);
  SetWindowLongPtrW(display, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(display_.get()));
}

// The window goes before the display block's box, which its child paints from.
Win32SaverWindow::~Win32SaverWindow() { Destroy(); }

// Not maximized: that would fit the window to one monitor. Made topmost as it is placed, before
// it shows: under Wine a window already shown is raised only by a window manager. A preview
// shows in place and leaves the focus and the foreground to the program it is in.
void Win32SaverWindow::Show() {
  if (preview_) {
    ShowWindow(window_, SW_SHOWNA);
    UpdateWindow(window_);
    return;
  }
  const platform::Rect& area = layout_.window;
  SetWindowPos(window_, HWND_TOPMOST, area.left, area.top, area.width, area.height, SWP_NOACTIVATE);
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetFocus(window_);
}

// The area the block roams: the primary monitor, in logical pixels.
int16 Win32SaverWindow::ScaleWidth() const { return static_cast<int16>(layout_.logicalWidth); }
int16 Win32SaverWindow::ScaleHeight() const { return static_cast<int16>(layout_.logicalHeight); }

void Win32SaverWindow::Refresh() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32SaverWindow::Cls() { InvalidateRect(window_, nullptr, TRUE); }

void Win32SaverWindow::Hide() { ShowWindow(window_, SW_HIDE); }

void Win32SaverWindow::Unload() { events_.Form_Unload(); }

void Win32SaverWindow::DoEvents() {
  if (RunPending()) return;
  // Nothing is pending: sleep until input, a message or the tick that changes the picture
  // arrives, and tell the saver how long the wait lasted.
  const std::int64_t start = PerformanceCount();
  MsgWaitForMultipleObjectsEx(0, nullptr, SleepMilliseconds(), QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  events_.Slept(PerformanceTicksToTime(PerformanceCount() - start));
  RunPending();
}

platform::Nanoseconds Win32SaverWindow::Now() const { return PerformanceTicksToTime(PerformanceCount()).count(); }

// The timers' ticks come after the messages, as WM_TIMER comes only when nothing else waits.
bool Win32SaverWindow::RunPending() {
  const bool dispatched = DispatchPending();
  return timers_.Deliver(Now()) || dispatched;
}

DWORD Win32SaverWindow::SleepMilliseconds() {
  const platform::Nanoseconds wait = timers_.Sleep() - Now();
  // Whole milliseconds, rounded up: a wait that ended early would cost a pass for nothing.
  return static_cast<DWORD>(std::max<platform::Nanoseconds>(0, wait + platform::kMillisecond - 1) / platform::kMillisecond);
}

void Win32SaverWindow::SetInterval(platform::Timer timer, int16 milliseconds) {
  timers_.SetInterval(timer, milliseconds, Now());
}

void Win32SaverWindow::LoadPicture(platform::Art art) {
  static const int kIds[] = {IDB_ART_RED, IDB_ART_GREEN, IDB_ART_ORANGE};
  patterns_[static_cast<int>(art) - 1].Load(kIds[static_cast<int>(art) - 1]);
}

LRESULT Win32SaverWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    // Any button, the side buttons too, and a turn of either wheel count as a click.
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      timers_.BeforeInput(Now());
      events_.Form_Click();
      return 0;
    case WM_XBUTTONUP:
      timers_.BeforeInput(Now());
      events_.Form_Click();
      return TRUE;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      timers_.BeforeInput(Now());
      events_.Form_KeyDown();
      return 0;
    case WM_MOUSEMOVE:
      timers_.BeforeInput(Now());
      events_.Form_MouseMove(static_cast<float>(GET_X_LPARAM(lParam)), static_cast<float>(GET_Y_LPARAM(lParam)));
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    // Someone else destroyed the window: a preview's parent went (its program closed it, or
    // ended and the system destroyed its windows). Nothing is left to draw in.
    case WM_NCDESTROY:
      Unload();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK Win32SaverWindow::DisplayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The display block takes no input of its own: the pointer's moves, clicks and wheel turns
  // over it go to the saver window, at the window's coordinates (a wheel's are the screen's).
  if (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST) {
    HWND parent = GetParent(hwnd);
    if (message == WM_MOUSEWHEEL || message == WM_MOUSEHWHEEL) return SendMessageW(parent, message, wParam, lParam);
    POINT point{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    MapWindowPoints(hwnd, parent, &point, 1);
    return SendMessageW(parent, message, wParam, MAKELPARAM(point.x, point.y));
  }
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(hwnd, &paint);
    if (auto* box = reinterpret_cast<Win32PictureBox*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA))) box->Paint(target);
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace zv::win32
