#pragma once

namespace zv::platform {

// The configuration dialog's handlers.
class ConfigWindowEvents {
 public:
  virtual ~ConfigWindowEvents() = default;
  // The window is gone (OK, Cancel or the close box).
  virtual void Form_Unload() = 0;
};

// The platform side of the configuration dialog `frmConfig`: a top-level window captioned
// "設定", owned by nothing.
class ConfigWindow {
 public:
  virtual ~ConfigWindow() = default;
  virtual void Show() = 0;
  virtual void Unload() = 0;
};

}  // namespace zv::platform
