#pragma once
#include <windows.h>

#include <array>

#include "platform/config_window.h"
#include "platform/process.h"
#include "shells/win32/config_controls.h"
#include "shells/win32/window.h"

namespace zv::win32 {

// The configuration dialog's window: a top-level window captioned "設定", owned by nothing,
// with a fixed single border and a close box, holding the controls of ConfigControls().
// It is an ordinary window driven as a dialog by PreTranslate in the message loop.
class Win32ConfigWindow : public platform::ConfigWindow, private Window {
 public:
  Win32ConfigWindow(platform::ConfigWindowEvents& events, platform::Process& process);
  ~Win32ConfigWindow() override;

  void Show() override;
  void Unload() override;
  bool Value(platform::OptionButton option) const override;
  void SetValue(platform::OptionButton option, bool selected) override;
  std::string Caption(platform::ConfigLabel label) const override;
  void SetCaption(platform::ConfigLabel label, std::string_view caption) override;
  void OpenInShell(std::string_view target, int16 showCommand) override;

  // Dialog keyboard handling for the message loop; true when the message was used.
  static bool PreTranslate(MSG& msg);

 private:
  LRESULT Handle(UINT message, WPARAM wParam, LPARAM lParam) override;
  void ReportUnhandledError() override;
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

  platform::ConfigWindowEvents& events_;
  platform::Process& process_;
  HWND tooltips_ = nullptr;
  std::array<HFONT, 4> fonts_{};  // by ControlFont
  std::array<int, 4> cellHeightsAt96_{};  // by ControlFont
  int dpi_ = 96;
  // The control that had the focus when the window was last deactivated.
  HWND focus_ = nullptr;
};

}  // namespace zv::win32
