#pragma once
#include <cstdint>
#include <vector>

#include "platform/software_surface.h"
#include "linux_saver/options.h"

// Last: Xlib defines macros (Bool, Status, None...) that would rewrite the program's headers.
#include "shells/x11/x_connection.h"

namespace zv::x11 {

// The window the saver draws into, and how pixels are written to it. Its own windows are
// created here, black, and mapped by Map; a given window is only drawn into, and its events
// tell when it changes size or goes away.
class SaverTarget {
 public:
  // Throws std::runtime_error when the window cannot be used.
  SaverTarget(::Display* display, const linux_saver::Options& options);
  ~SaverTarget();
  SaverTarget(const SaverTarget&) = delete;
  SaverTarget& operator=(const SaverTarget&) = delete;

  ::Display* Connection() const { return display_; }
  Window Id() const { return window_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  // The desktop's DPI as its settings tell X applications (the resource Xft.dpi), 96 without it.
  int Dpi() const { return dpi_; }
  void Resized(int width, int height);
  // True once the server has reported the window gone (destroyed under the saver).
  bool Gone() const;

  // Own windows: shown on the screen, the full-screen one on top of everything.
  void Map();
  void Unmap();
  // The full-screen window takes the keyboard, so that every key reaches it.
  void TakeKeyboard();
  // The pointer over the full-screen window: shown or hidden.
  void ShowPointer(bool show);
  // The window manager's close request for the try-out window.
  Atom CloseMessage() const { return deleteWindow_; }

  void FillBlack(int x, int y, int width, int height);
  void FillBlack() { FillBlack(0, 0, width_, height_); }
  void Put(const platform::SoftwareSurface& pixels, int x, int y);

 private:
  unsigned long PixelValue(platform::Colour colour) const;

  ::Display* display_;
  linux_saver::Target kind_;
  Window window_ = 0;
  Visual* visual_ = nullptr;
  int depth_ = 0;
  int width_ = 0, height_ = 0;
  int dpi_ = 96;
  GC gc_ = nullptr;
  Cursor blankCursor_ = 0;
  Atom deleteWindow_ = 0;
  // The shifts and widths of red, green and blue in a pixel value of the window's visual.
  struct Channel {
    int shift, bits;
  };
  Channel red_{}, green_{}, blue_{};
  std::vector<char> imageBytes_;
};

}  // namespace zv::x11
