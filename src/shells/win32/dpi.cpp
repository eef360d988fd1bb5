#include "shells/win32/dpi.h"

namespace zv::win32 {
namespace {

using platform::Desktop;
using platform::Rect;

// A function of a system library that older systems lack; null there.
template <typename Function>
Function Optional(const wchar_t* library, const char* name) {
  HMODULE module = LoadLibraryW(library);
  // Through a pointer to a function of no arguments, which converts to any other.
  return module ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(module, name))) : nullptr;
}

int SystemDpi() {
  HDC screen = GetDC(nullptr);
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return dpi;
}

// Windows 8.1 and later.
int MonitorDpi(HMONITOR monitor) {
  using GetDpiForMonitor = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
  static const auto getDpi = Optional<GetDpiForMonitor>(L"shcore.dll", "GetDpiForMonitor");
  constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  UINT x = 0, y = 0;
  if (getDpi && getDpi(monitor, kEffectiveDpi, &x, &y) == S_OK) return static_cast<int>(y);
  return SystemDpi();
}

BOOL CALLBACK AddMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return TRUE;
  Desktop& desktop = *reinterpret_cast<Desktop*>(data);
  const RECT& r = info.rcMonitor;
  const Rect area{r.left, r.top, r.right - r.left, r.bottom - r.top};
  if (info.dwFlags & MONITORINFOF_PRIMARY) {
    desktop.primary = area;
    desktop.primaryDpi = MonitorDpi(monitor);
  } else {
    desktop.others.push_back(area);
  }
  return TRUE;
}

}  // namespace

platform::Desktop ReadDesktop() {
  Desktop desktop;
  EnumDisplayMonitors(nullptr, nullptr, AddMonitor, reinterpret_cast<LPARAM>(&desktop));
  return desktop;
}

int WindowDpi(HWND window) {
  // Windows 10 1607 and later.
  using GetDpiForWindow = UINT(WINAPI*)(HWND);
  static const auto getDpi = Optional<GetDpiForWindow>(L"user32.dll", "GetDpiForWindow");
  if (getDpi)
    if (const UINT dpi = getDpi(window)) return static_cast<int>(dpi);
  return SystemDpi();
}

}  // namespace zv::win32
