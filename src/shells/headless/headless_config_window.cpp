#include "shells/headless/headless_config_window.h"

#include <stdexcept>

#include "version.h"

namespace zv::headless {
namespace {

int Index(platform::OptionButton option) { return static_cast<int>(option); }
// Option1 and Option2 share a group, as do Option3 and Option4.
int Partner(platform::OptionButton option) { return Index(option) ^ 1; }

}  // namespace

HeadlessConfigWindow::HeadlessConfigWindow(platform::ConfigWindowEvents& events)
    : events_(events), captions_{"Ver.0.0.0", "title", ZV_AUTHOR_MAIL, ZV_HOME_PAGE} {}

void HeadlessConfigWindow::Unload() {
  visible_ = false;
  loaded_ = false;
}

bool HeadlessConfigWindow::Value(platform::OptionButton option) const { return values_[Index(option)]; }

void HeadlessConfigWindow::SetValue(platform::OptionButton option, bool selected) {
  valueWrites.emplace_back(option, selected);
  values_[Index(option)] = selected;
  if (selected) values_[Partner(option)] = false;
}

std::string HeadlessConfigWindow::Caption(platform::ConfigLabel label) const {
  return captions_[static_cast<int>(label)];
}

void HeadlessConfigWindow::SetCaption(platform::ConfigLabel label, std::string_view caption) {
  captions_[static_cast<int>(label)] = std::string(caption);
}

void HeadlessConfigWindow::OpenInShell(std::string_view target, int16 showCommand) {
  shellOpens.push_back({std::string(target), showCommand});
}

void HeadlessConfigWindow::RequireShown() const {
  if (!visible_) throw std::logic_error("HeadlessConfigWindow: the dialog is not shown");
}

void HeadlessConfigWindow::Click(Control control) {
  RequireShown();
  switch (control) {
    case Control::CmdOk: events_.CmdOk_Click(); break;
    case Control::CmdNg: events_.CmdNg_Click(); break;
    case Control::LblNomal: events_.LblNomal_Click(); break;
    case Control::LblKakuhen: events_.LblKakuhen_Click(); break;
    case Control::LblHighSP: events_.LblHighSP_Click(); break;
    case Control::LblLowSP: events_.LblLowSP_Click(); break;
    case Control::LblHPaddr: events_.LblHPaddr_Click(); break;
    case Control::LblMLaddr: events_.LblMLaddr_Click(); break;
  }
}

void HeadlessConfigWindow::Click(platform::OptionButton option) {
  RequireShown();
  values_[Index(option)] = true;
  values_[Partner(option)] = false;
}

void HeadlessConfigWindow::CloseBox() {
  RequireShown();
  Unload();
}

}  // namespace zv::headless
