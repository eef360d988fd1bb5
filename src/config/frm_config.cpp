#include "config/frm_config.h"

namespace zv {

frmConfig::frmConfig(platform::Platform& platform, Globals& globals) : platform_(platform), globals_(globals) {}
frmConfig::~frmConfig() = default;

void frmConfig::Form_Load() {
  window_ = platform_.CreateConfigWindow(*this);
  window_->Show();
}

void frmConfig::Form_Unload() {}

}  // namespace zv
