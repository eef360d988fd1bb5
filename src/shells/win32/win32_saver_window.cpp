#include "shells/win32/win32_saver_window.h"

#include <windowsx.h>

#include <chrono>
#include <cstdint>

#include "machine/layout_and_timing.h"
#include "resource_ids.h"
#include "shells/win32/resources.h"

namespace zv::win32 {
namespace {

const wchar_t kWindowClass[] = L"ZorvaliteSaverWindow";
const wchar_t kDisplayClass[] = L"ZorvaliteDisplay";
constexpr UINT_PTR kTimer1 = 1;
constexpr UINT_PTR kTimer2 = 2;

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

}  // namespace

void Win32PictureBox::Place() {
  if (window_) MoveWindow(window_, left_, top_, width_, height_, TRUE);
}
void Win32PictureBox::SetLeft(int16 left) { left_ = left; Place(); }
void Win32PictureBox::SetTop(int16 top) { top_ = top; Place(); }
void Win32PictureBox::SetWidth(int16 width) { width_ = width; surface_.Resize(width_, height_); Place(); }
void Win32PictureBox::SetHeight(int16 height) { height_ = height; surface_.Resize(width_, height_); Place(); }
void Win32PictureBox::SetEnabled(bool enabled) {
  if (window_) EnableWindow(window_, enabled ? TRUE : FALSE);
}

void Win32PictureBox::Refresh() {
  if (!window_) return;
  InvalidateRect(window_, nullptr, FALSE);
  UpdateWindow(window_);
}

void Win32PictureBox::Load(int bitmapId) {
  HBITMAP picture = LoadArtBitmap(bitmapId);
  if (!picture) return;
  surface_.Assign(picture);
  DeleteObject(picture);
  width_ = surface_.Width();
  height_ = surface_.Height();
}

void Win32PictureBox::Paint(HDC target) const { ::BitBlt(target, 0, 0, width_, height_, surface_.Dc(), 0, 0, SRCCOPY); }

Win32SaverWindow::Win32SaverWindow(platform::SaverWindowEvents& events) : events_(events) {
  auto* black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  // Explicit full-screen size: a pop-up window given default sizes may come out empty.
  Create(kWindowClass, LoadProgramIcon(), black, L"Form1", WS_POPUP | WS_CLIPCHILDREN, 0, 0,
         GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  RegisterWindowClass(kDisplayClass, DisplayProc, nullptr, black);
  HWND display = CreateWindowExW(0, kDisplayClass, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, window_, nullptr,
                                 GetModuleHandleW(nullptr), nullptr);
  display_ = std::make_unique<Win32PictureBox>(display);
  SetWindowLongPtrW(display, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(display_.get()));
  SetTimer(window_, kTimer1, kTimer1StartInterval, nullptr);
  SetTimer(window_, kTimer2, kTimer2Interval, nullptr);
}

// The window goes before the display block's box, which its child paints from.
Win32SaverWindow::~Win32SaverWindow() { Destroy(); }

void Win32SaverWindow::Show() {
  ShowWindow(window_, SW_SHOWMAXIMIZED);
  // Without a window manager the window may keep its creation size: cover the screen.
  SetWindowPos(window_, nullptr, 0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN),
               SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateWindow(window_);
  SetForegroundWindow(window_);
  SetFocus(window_);
}

int16 Win32SaverWindow::ScaleWidth() const {
  RECT client;
  GetClientRect(window_, &client);
  return static_cast<int16>(client.right - client.left);
}

int16 Win32SaverWindow::ScaleHeight() const {
  RECT client;
  GetClientRect(window_, &client);
  return static_cast<int16>(client.bottom - client.top);
}

void Win32SaverWindow::Refresh() {
  RedrawWindow(window_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void Win32SaverWindow::Cls() { InvalidateRect(window_, nullptr, TRUE); }

void Win32SaverWindow::Hide() { ShowWindow(window_, SW_HIDE); }

void Win32SaverWindow::Unload() { events_.Form_Unload(); }

void Win32SaverWindow::DoEvents() {
  if (DispatchPending()) return;
  // Nothing is pending: sleep until input, a message or a timer tick arrives, and tell the
  // saver how long the wait lasted.
  const std::int64_t start = PerformanceCount();
  MsgWaitForMultipleObjectsEx(0, nullptr, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
  events_.Slept(PerformanceTicksToTime(PerformanceCount() - start));
  DispatchPending();
}

void Win32SaverWindow::SetInterval(platform::Timer timer, int16 milliseconds) {
  SetTimer(window_, timer == platform::Timer::Timer1 ? kTimer1 : kTimer2, static_cast<UINT>(milliseconds), nullptr);
}

void Win32SaverWindow::LoadPicture(platform::Art art) {
  static const int kIds[] = {IDB_ART_RED, IDB_ART_GREEN, IDB_ART_ORANGE};
  patterns_[static_cast<int>(art) - 1].Load(kIds[static_cast<int>(art) - 1]);
}

LRESULT Win32SaverWindow::Handle(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER:
      if (wParam == kTimer1) events_.Timer1_Timer();
      else if (wParam == kTimer2) events_.Timer2_Timer();
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      events_.Form_Click();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      events_.Form_KeyDown();
      return 0;
    case WM_MOUSEMOVE:
      events_.Form_MouseMove(static_cast<float>(GET_X_LPARAM(lParam)), static_cast<float>(GET_Y_LPARAM(lParam)));
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_ENDSESSION:
      if (wParam) Unload();
      return 0;
    default:
      return DefWindowProcW(window_, message, wParam, lParam);
  }
}

LRESULT CALLBACK Win32SaverWindow::DisplayProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  // The display block has no input handlers of the saver's own: clicks and pointer moves on
  // it stay here and do not end the saver.
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
