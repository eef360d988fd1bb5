#pragma once
#include <windows.h>

#include "platform/screen_layout.h"

namespace zv::win32 {

// The program declares itself per-monitor DPI aware (its manifest), so Windows scales none of
// its windows: it works in real pixels and asks for the DPI where it needs it. Where a
// system lacks the per-monitor calls, every monitor has the system's DPI.

// The monitors in desktop coordinates, and the primary monitor's DPI.
platform::Desktop ReadDesktop();
// The DPI of the monitor a window is on.
int WindowDpi(HWND window);

}  // namespace zv::win32
