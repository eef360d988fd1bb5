// The least a saver of this pace can cost: a full-screen window with the saver's two timers
// (the spin timer at the interval given, 75 ms by default, and the counting timer at 2 ms)
// that repaints a 130 x 68 child from a memory surface on every tick of either and sleeps in
// between. scripts/measure-wine.sh runs it beside the saver to show what the system itself
// charges for that pace. A key or a click ends it.
// Usage: minimal_saver.exe [spin timer interval in ms]
#include <windows.h>

#include <cwchar>

namespace {

HDC surface = nullptr;
HWND block = nullptr;
int ticks = 0;

LRESULT CALLBACK BlockProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    PAINTSTRUCT paint;
    HDC target = BeginPaint(hwnd, &paint);
    BitBlt(target, 0, 0, 130, 68, surface, 0, 0, SRCCOPY);
    EndPaint(hwnd, &paint);
    return 0;
  }
  if (message == WM_ERASEBKGND) return 1;
  return DefWindowProcW(hwnd, message, wParam, lParam);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_TIMER: {
      // Something new to show: one of three cells lit in turn.
      ++ticks;
      PatBlt(surface, 0, 0, 130, 68, BLACKNESS);
      PatBlt(surface, 10 + 40 * (ticks % 3), 10, 30, 48, WHITENESS);
      InvalidateRect(block, nullptr, FALSE);
      UpdateWindow(block);
      return 0;
    }
    case WM_KEYDOWN:
    case WM_LBUTTONUP:
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcW(hwnd, message, wParam, lParam);
  }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR arguments, int) {
  const UINT spinInterval = *arguments ? static_cast<UINT>(std::wcstoul(arguments, nullptr, 10)) : 75;

  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"MinimalSaver";
  RegisterClassW(&windowClass);
  WNDCLASSW blockClass{};
  blockClass.lpfnWndProc = BlockProc;
  blockClass.hInstance = instance;
  blockClass.lpszClassName = L"MinimalSaverBlock";
  RegisterClassW(&blockClass);

  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  HWND window = CreateWindowExW(0, L"MinimalSaver", L"MinimalSaver", WS_POPUP | WS_CLIPCHILDREN, 0, 0, width,
                                height, nullptr, nullptr, instance, nullptr);
  if (!window) return 1;
  block = CreateWindowExW(0, L"MinimalSaverBlock", L"", WS_CHILD | WS_VISIBLE, 10, 10, 130, 68, window, nullptr,
                          instance, nullptr);
  HDC screen = GetDC(nullptr);
  surface = CreateCompatibleDC(screen);
  SelectObject(surface, CreateCompatibleBitmap(screen, 130, 68));
  ReleaseDC(nullptr, screen);

  ShowWindow(window, SW_SHOW);
  SetTimer(window, 1, spinInterval, nullptr);
  SetTimer(window, 2, 2, nullptr);
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return 0;
}
