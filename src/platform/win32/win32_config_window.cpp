#include "platform/win32/win32_config_window.h"

#include "platform/win32/text.h"
#include "platform/win32/win32_platform.h"
#include "resource_ids.h"

namespace zv::platform::win32 {
namespace {

const wchar_t kWindowClass[] = L"ZorvaliteConfig";
HWND g_dialog = nullptr;

}  // namespace

Win32ConfigWindow::Win32ConfigWindow(ConfigWindowEvents& events, Process& process) : events_(events), process_(process) {
  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(IDI_PROGRAM));
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = kWindowClass;
  RegisterClassExW(&windowClass);

  const DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU;
  RECT frame{0, 0, 338, 192};
  AdjustWindowRectEx(&frame, style, FALSE, 0);
  window_ = CreateWindowExW(0, kWindowClass, LoadText(IDS_CONFIG_CAPTION).c_str(), style, CW_USEDEFAULT,
                            CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                            instance, this);
  g_dialog = window_;
}

Win32ConfigWindow::~Win32ConfigWindow() {
  if (window_) DestroyWindow(window_);
}

void Win32ConfigWindow::Show() {
  ShowWindow(window_, SW_SHOW);
  UpdateWindow(window_);
}

void Win32ConfigWindow::Unload() { DestroyWindow(window_); }

bool Win32ConfigWindow::PreTranslate(MSG& msg) { return g_dialog && IsDialogMessageW(g_dialog, &msg); }

LRESULT CALLBACK Win32ConfigWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Win32ConfigWindow*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Win32ConfigWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (self && message == WM_DESTROY) {
    self->window_ = nullptr;
    g_dialog = nullptr;
    Guarded(self->process_, [&] { self->events_.Form_Unload(); });
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

}  // namespace zv::platform::win32
