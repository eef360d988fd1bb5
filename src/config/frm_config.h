#pragma once
#include <memory>

#include "platform/platform.h"
#include "settings/globals.h"

namespace zv {

// The configuration dialog: shows and changes the probability mode and the machine-speed
// class, shows the title and version, and opens the author's home page or a new mail.
// It keeps no state besides its controls: the choices live in ProbDenominator and SpecClass
// and in the selection of the option buttons.
class frmConfig : public platform::ConfigWindowEvents {
 public:
  frmConfig(platform::Platform& platform, Globals& globals);
  ~frmConfig() override;

  // Fills the labels, loads the settings, selects the options and shows the dialog, modeless.
  void Form_Load();

  void CmdOk_Click() override;
  void CmdNg_Click() override;
  void LblNomal_Click() override;
  void LblKakuhen_Click() override;
  void LblHighSP_Click() override;
  void LblLowSP_Click() override;
  void LblHPaddr_Click() override;
  void LblMLaddr_Click() override;

 private:
  platform::Platform& platform_;
  Globals& globals_;
  std::unique_ptr<platform::ConfigWindow> window_;
};

}  // namespace zv
