#include "config/frm_config.h"

#include <string>

#include "settings/settings.h"
#include "version.h"

namespace zv {
namespace {

using platform::ConfigLabel;
using platform::OptionButton;

// The choices the dialog offers.
constexpr int16 kNormalLevel = 301;
constexpr int16 kKakuhenLevel = 30;
constexpr int16 kHighSpec = 0;
constexpr int16 kLowSpec = 1;

// The shell's show command SW_SHOWMAXIMIZED.
constexpr int16 kShowMaximized = 3;

// Major, minor and revision of the version record.
std::string VersionText() { return "Version " ZV_RELEASE_VERSION; }

}  // namespace

frmConfig::frmConfig(platform::Platform& platform, Globals& globals)
    : platform_(platform), globals_(globals), window_(platform.CreateConfigWindow(*this)) {}

frmConfig::~frmConfig() = default;

void frmConfig::Form_Load() {
  window_->SetCaption(ConfigLabel::lblVersion, VersionText());
  window_->SetCaption(ConfigLabel::lblProductName, ZV_APP_TITLE);
  LoadSettings(platform_.Settings(), globals_);

  // A stored value the dialog does not offer selects neither button of its group.
  if (globals_.ProbDenominator == kNormalLevel) {
    window_->SetValue(OptionButton::Option1, true);
  } else if (globals_.ProbDenominator == kKakuhenLevel) {
    window_->SetValue(OptionButton::Option2, true);
  }
  if (globals_.SpecClass == kHighSpec) {
    window_->SetValue(OptionButton::Option3, true);
  } else if (globals_.SpecClass == kLowSpec) {
    window_->SetValue(OptionButton::Option4, true);
  }

  window_->Show();
}

void frmConfig::CmdOk_Click() {
  // With neither button of a group selected, the value loaded from the store is kept.
  if (window_->Value(OptionButton::Option1)) {
    globals_.ProbDenominator = kNormalLevel;
  } else if (window_->Value(OptionButton::Option2)) {
    globals_.ProbDenominator = kKakuhenLevel;
  }
  if (window_->Value(OptionButton::Option3)) {
    globals_.SpecClass = kHighSpec;
  } else if (window_->Value(OptionButton::Option4)) {
    globals_.SpecClass = kLowSpec;
  }
  SaveSettings(platform_.Settings(), globals_);
  window_->Unload();
}

void frmConfig::CmdNg_Click() { window_->Unload(); }

void frmConfig::LblNomal_Click() {
  globals_.ProbDenominator = kNormalLevel;
  window_->SetValue(OptionButton::Option1, true);
  window_->SetValue(OptionButton::Option2, false);
}

void frmConfig::LblKakuhen_Click() {
  globals_.ProbDenominator = kKakuhenLevel;
  window_->SetValue(OptionButton::Option1, false);
  window_->SetValue(OptionButton::Option2, true);
}

void frmConfig::LblHighSP_Click() {
  globals_.SpecClass = kHighSpec;
  window_->SetValue(OptionButton::Option3, true);
  window_->SetValue(OptionButton::Option4, false);
}

void frmConfig::LblLowSP_Click() {
  globals_.SpecClass = kLowSpec;
  window_->SetValue(OptionButton::Option3, false);
  window_->SetValue(OptionButton::Option4, true);
}

// Whatever the shell answers, the dialog stays as it is.
void frmConfig::LblHPaddr_Click() {
  window_->OpenInShell(window_->Caption(ConfigLabel::LblHPaddr), kShowMaximized);
}

void frmConfig::LblMLaddr_Click() {
  window_->OpenInShell("mailto:" + window_->Caption(ConfigLabel::LblMLaddr), kShowMaximized);
}

}  // namespace zv
