#pragma once
#include <string>
#include <string_view>

#include "runtime/int16.h"

namespace zv::platform {

// The configuration dialog's four option buttons: Option1 and Option2 form the probability
// group, Option3 and Option4 the speed group.
enum class OptionButton { Option1, Option2, Option3, Option4 };

// The labels whose captions the dialog reads or changes.
enum class ConfigLabel { lblVersion, lblProductName, LblMLaddr, LblHPaddr };

// The configuration dialog's handlers. Clicks on the option buttons themselves and the
// title bar's close box have none: the shell moves the selection, or unloads the window,
// on its own.
class ConfigWindowEvents {
 public:
  virtual ~ConfigWindowEvents() = default;
  virtual void CmdOk_Click() = 0;
  virtual void CmdNg_Click() = 0;
  virtual void LblNomal_Click() = 0;
  virtual void LblKakuhen_Click() = 0;
  virtual void LblHighSP_Click() = 0;
  virtual void LblLowSP_Click() = 0;
  virtual void LblHPaddr_Click() = 0;
  virtual void LblMLaddr_Click() = 0;
};

// The platform side of the configuration dialog `frmConfig`: a top-level window captioned
// "設定", owned by nothing, created hidden with all its controls and their first
// captions, no option button selected.
class ConfigWindow {
 public:
  virtual ~ConfigWindow() = default;
  // Modeless: returns at once; the window lives on the message loop.
  virtual void Show() = 0;
  // Destroys the window; the process ends when it is gone.
  virtual void Unload() = 0;

  virtual bool Value(OptionButton option) const = 0;
  // Selecting a button clears the other one of its group; clearing touches only this one.
  virtual void SetValue(OptionButton option, bool selected) = 0;

  virtual std::string Caption(ConfigLabel label) const = 0;
  virtual void SetCaption(ConfigLabel label, std::string_view caption) = 0;

  // Hands `target` (a web address, a "mailto:" address) to the system shell's default verb,
  // with no parameters, owned by this window, its window shown as `showCommand` asks.
  // `target` is UTF-8 and reaches the shell in the system's ANSI code page. Whatever the
  // shell answers is not reported: the dialog never looks at it.
  virtual void OpenInShell(std::string_view target, int16 showCommand) = 0;
};

}  // namespace zv::platform
