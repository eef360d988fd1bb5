#pragma once
#include <windows.h>

#include "platform/process.h"

namespace zv::win32 {

// Registers a window class of this program with the arrow cursor. A class already registered
// stays as it is.
void RegisterWindowClass(const wchar_t* name, WNDPROC procedure, HICON icon, HBRUSH background);

// A top-level window of this program whose messages go to Handle. The object travels through
// CreateWindowEx to the window procedure, and every handler runs under one error guard: a C++
// exception must not unwind through a window procedure, so whatever a handler throws is
// reported there, once, and ends the process. While that report shows, its message box still
// delivers timer and input messages; they do not reach the handlers, which would run on the
// state the fault left behind, but go to DefWindowProc.
class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

 protected:
  explicit Window(platform::Process& process) : process_(process) {}
  virtual ~Window() { Destroy(); }

  // Registers the class and creates the window. Messages that arrive before CreateWindowEx
  // returns go to DefWindowProc.
  void Create(const wchar_t* className, HICON icon, HBRUSH background, const wchar_t* title, DWORD style, int left,
              int top, int width, int height);
  // Destroys the window, if it is still there, without handling its last messages.
  void Destroy();
  virtual LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) = 0;

  HWND window_ = nullptr;

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  platform::Process& process_;
};

}  // namespace zv::win32
