#pragma once
#include <windows.h>

#include <array>

#include "platform/config_window.h"
#include "platform/process.h"
#include "platform/win32/config_controls.h"

namespace zv::platform::win32 {

// The configuration dialog's window: a top-level window captioned "設定", owned by nothing,
// with a fixed single border and a close box, holding the controls of ConfigControls().
// It is an ordinary window driven as a dialog by PreTranslate in the message loop.
class Win32ConfigWindow : public ConfigWindow {
 public:
  Win32ConfigWindow(ConfigWindowEvents& events, Process& process);
  ~Win32ConfigWindow() override;
  Win32ConfigWindow(const Win32ConfigWindow&) = delete;
  Win32ConfigWindow& operator=(const Win32ConfigWindow&) = delete;

  void Show() override;
  void Unload() override;
  bool Value(OptionButton option) const override;
  void SetValue(OptionButton option, bool selected) override;
  std::string Caption(ConfigLabel label) const override;
  void SetCaption(ConfigLabel label, std::string_view caption) override;
  void ShellExecuteA(const char* operation, std::string_view file, const char* parameters, const char* directory,
                     int16 showCommand) override;

  // Dialog keyboard handling for the message loop; true when the message was used.
  static bool PreTranslate(MSG& msg);

 private:
  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam);
  void Command(int id, int notification);
  void CreateControls();
  void CreateTooltips();
  // Sizes the client area, places the controls and makes their fonts for a DPI: at creation
  // for the DPI of the window's monitor, and again when the window meets another DPI.
  void LayOut(int dpi);
  // Places and sizes a control at the DPI of the last layout.
  void Place(const ControlDesign& design);
  HWND Control(ControlId id) const { return GetDlgItem(window_, id); }
  // Tab stops on the selected button of each option group, or on its first one when none is.
  void UpdateTabStops();

  ConfigWindowEvents& events_;
  Process& process_;
  HWND window_ = nullptr;
  HWND tooltips_ = nullptr;
  std::array<HFONT, 4> fonts_{};  // by ControlFont
  int dpi_ = 96;
  // The control that had the focus when the window was last deactivated.
  HWND focus_ = nullptr;
};

}  // namespace zv::platform::win32
