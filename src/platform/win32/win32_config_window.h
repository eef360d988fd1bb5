#pragma once
#include <windows.h>

#include "platform/config_window.h"
#include "platform/process.h"

namespace zv::platform::win32 {

// The configuration dialog's window: a top-level window captioned "設定", owned by nothing.
class Win32ConfigWindow : public ConfigWindow {
 public:
  Win32ConfigWindow(ConfigWindowEvents& events, Process& process);
  ~Win32ConfigWindow() override;
  void Show() override;
  void Unload() override;

  // Dialog keyboard handling for the message loop; true when the message was used.
  static bool PreTranslate(MSG& msg);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  ConfigWindowEvents& events_;
  Process& process_;
  HWND window_ = nullptr;
};

}  // namespace zv::platform::win32
