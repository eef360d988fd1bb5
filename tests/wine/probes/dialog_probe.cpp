// dialog_probe [DPI...]: a test-only program that opens the settings dialog as "/C" does, with
// the product's own shell and core, and measures in its process what another process cannot
// see: the font each control draws its caption with. For the DPI the dialog was laid out at,
// then for each DPI given (sent to it as WM_DPICHANGED, as Windows does when the window moves
// to a monitor of that DPI), it prints, UTF-8, one fact a line:
//
//   dpi DPI
//   client W H                         the client area in pixels
//   control ID W H TEXTW TEXTH TEXT    a control's size, and its caption's single-line extent
//                                      in the control's font (TEXTH: the font's cell height)
//
// Never shipped: the product measures nothing.
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "config/frm_config.h"
#include "shells/win32/text.h"
#include "shells/win32/win32_platform.h"

namespace {

void Measure(HWND dialog, int dpi) {
  RECT client;
  GetClientRect(dialog, &client);
  std::printf("dpi %d\nclient %ld %ld\n", dpi, client.right, client.bottom);
  for (HWND control = GetWindow(dialog, GW_CHILD); control; control = GetWindow(control, GW_HWNDNEXT)) {
    wchar_t text[256] = L"";
    GetWindowTextW(control, text, 256);
    RECT area;
    GetClientRect(control, &area);
    HDC dc = GetDC(control);
    HGDIOBJ original = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE extent{};
    GetTextExtentPoint32W(dc, text, static_cast<int>(std::wcslen(text)), &extent);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, original);
    ReleaseDC(control, dc);
    std::printf("control %d %ld %ld %ld %ld %s\n", GetDlgCtrlID(control), area.right, area.bottom, extent.cx,
                metrics.tmHeight, zv::win32::Narrow(text).c_str());
  }
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  zv::win32::Win32Platform platform;
  zv::Globals globals;
  zv::frmConfig form(platform, globals);
  form.Form_Load();
  HWND dialog = FindWindowW(nullptr, L"設定");
  if (!dialog) return 1;
  HDC screen = GetDC(nullptr);
  Measure(dialog, GetDeviceCaps(screen, LOGPIXELSY));
  ReleaseDC(nullptr, screen);
  for (int i = 1; i < argc; ++i) {
    const int dpi = std::wcstol(argv[i], nullptr, 10);
    RECT frame;
    GetWindowRect(dialog, &frame);
    SendMessageW(dialog, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&frame));
    Measure(dialog, dpi);
  }
  std::fflush(stdout);
  return 0;
}
