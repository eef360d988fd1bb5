#pragma once
#include <memory>

#include "platform/platform.h"
#include "startup/globals.h"

namespace zv {

// The configuration dialog.
class frmConfig : public platform::ConfigWindowEvents {
 public:
  frmConfig(platform::Platform& platform, Globals& globals);
  ~frmConfig() override;

  void Form_Load();
  void Form_Unload() override;

 private:
  platform::Platform& platform_;
  Globals& globals_;
  std::unique_ptr<platform::ConfigWindow> window_;
};

}  // namespace zv
