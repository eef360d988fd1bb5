#pragma once

// After the program's headers: Xlib defines macros (Bool, Status, None...) that would rewrite them.
#include <X11/Xlib.h>

namespace zv::x11 {

// The connection to the X server named by DISPLAY.
class XConnection {
 public:
  XConnection();  // throws std::runtime_error when there is no X server to talk to
  ~XConnection();
  XConnection(const XConnection&) = delete;
  XConnection& operator=(const XConnection&) = delete;
  ::Display* Get() const { return display_; }

 private:
  ::Display* display_;
};

}  // namespace zv::x11
