#pragma once
#include <windows.h>

namespace zv::win32 {

// Registers a window class of this program with the arrow cursor. A class already registered
// stays as it is.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, HBRUSH background);

// A top-level window of this program whose messages go to Handle. The object travels through
// CreateWindowEx to the window procedure, and every handler runs under one guard: a C++
// exception must not unwind through a window procedure, so whatever a handler throws goes to
// ReportUnhandledError, inside the catch, which reports it once and ends the process.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Called as a report of an unhandled error begins, whoever makes it: the process ends after the
  // report, and until then no handler of any window runs. The report's message box still delivers
  // timer and input messages; they go to DefWindowProc, not to handlers that would run on the
  // state the fault left behind.
  static void StopHandlers() { handlersStopped_ = true; }

 protected:
  Window() = default;
  virtual ~Window() { Destroy(); }

  // Registers the class and creates the window. Messages that arrive before CreateWindowEx
  // returns go to DefWindowProc.
  void Create(const wchar_t* className, HICON icon, HBRUSH background, const wchar_t* title, DWORD style, int left,
              int top, int width, int height);
  // Destroys the window, if it is still there, without handling its last messages.
  void Destroy();
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // Reports the exception being handled and ends the process.
  virtual void ReportUnhandledError() = 0;

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  static inline bool handlersStopped_ = false;
};

}  // namespace zv::win32
