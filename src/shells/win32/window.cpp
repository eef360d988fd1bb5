#include "shells/win32/window.h"

namespace zv::win32 {

void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, HBRUSH background) {
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hIcon = icon;
  windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  RegisterClassExW(&windowClass);
}

void Window::Create(const wchar_t* className, HICON icon, HBRUSH background, const wchar_t* title, DWORD style,
                    int left, int top, int width, int height) {
  RegisterWindowClass(className, Procedure, icon, background);
  window_ = CreateWindowExW(0, className, title, style, left, top, width, height, nullptr, nullptr,
                            GetModuleHandleW(nullptr), this);
}

void Window::Destroy() {
  if (!window_) return;
  HWND window = window_;
  window_ = nullptr;
  DestroyWindow(window);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
    SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!self || !self->window_ || handlersStopped_) return DefWindowProcW(hwnd, message, wParam, lParam);
  try {
    return self->Handle(message, wParam, lParam);
  } catch (...) {
    StopHandlers();
    self->ReportUnhandledError();
  }
  return 0;
}

}  // namespace zv::win32
