#include "shells/x11/x_connection.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

namespace zv::x11 {

XConnection::XConnection() : display_(XOpenDisplay(nullptr)) {
  if (!display_) {
    const char* name = std::getenv("DISPLAY");
    throw std::runtime_error(std::string("cannot open the X display '") + (name ? name : "") + "'");
  }
}

XConnection::~XConnection() { XCloseDisplay(display_); }

}  // namespace zv::x11
