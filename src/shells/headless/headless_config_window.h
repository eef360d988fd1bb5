#pragma once
#include <string>
#include <utility>
#include <vector>

#include "platform/config_window.h"

namespace zv::headless {

// One target the dialog handed to the shell.
struct ShellOpen {
  std::string target;
  int16 showCommand;
};

// A simulated configuration dialog: the state of its controls, and the user's clicks.
class HeadlessConfigWindow : public platform::ConfigWindow {
 public:
  // The controls whose clicks have handlers.
  enum class Control { CmdOk, CmdNg, LblNomal, LblKakuhen, LblHighSP, LblLowSP, LblHPaddr, LblMLaddr };

  explicit HeadlessConfigWindow(platform::ConfigWindowEvents& events);

  void Show() override { visible_ = true; }
  void Unload() override;
  bool Value(platform::OptionButton option) const override;
  void SetValue(platform::OptionButton option, bool selected) override;
  std::string Caption(platform::ConfigLabel label) const override;
  void SetCaption(platform::ConfigLabel label, std::string_view caption) override;
  void OpenInShell(std::string_view target, int16 showCommand) override;

  // --- the user's side; acting on a window that is not shown is a test's mistake
  void Click(Control control);
  // A click on the circle of an option button: the selection moves, no handler runs.
  void Click(platform::OptionButton option);
  // The title bar's close box: the window unloads, no handler runs.
  void CloseBox();

  bool Visible() const { return visible_; }
  bool Loaded() const { return loaded_; }
  // Every SetValue the dialog made, in order.
  std::vector<std::pair<platform::OptionButton, bool>> valueWrites;
  std::vector<ShellOpen> shellOpens;

 private:
  void RequireShown() const;

  platform::ConfigWindowEvents& events_;
  bool visible_ = false;
  bool loaded_ = true;
  bool values_[4] = {};
  std::string captions_[4];
};

}  // namespace zv::headless
