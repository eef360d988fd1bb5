#include "shells/x11/saver_target.h"

#include <bit>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <string>

#include "linux_saver/run_end.h"

#include <X11/Xresource.h>
#include <X11/Xutil.h>

namespace zv::x11 {
namespace {

using linux_saver::Target;

// The size of the try-out window when it opens.
constexpr int kTryWindowWidth = 640;
constexpr int kTryWindowHeight = 480;

// Xlib reports protocol errors to one handler for the whole process: the saver's window going
// away under it is expected (the daemon destroys it), anything else is a fault.
Window watchedWindow = 0;
bool watchedWindowGone = false;

int OnXError(::Display* display, XErrorEvent* error) {
  if ((error->error_code == BadWindow || error->error_code == BadDrawable) && error->resourceid == watchedWindow) {
    watchedWindowGone = true;
    return 0;
  }
  char text[256];
  XGetErrorText(display, error->error_code, text, sizeof text);
  std::fprintf(stderr, "zorvalite: X error: %s (request %d)\n", text, error->request_code);
  linux_saver::EndProcess(linux_saver::RunEnd::Failed);
}

// Desktops scale X applications for a high-DPI screen through the resource Xft.dpi; the
// screen's own size in millimetres is seldom right, so it is not asked.
int ResourceDpi(::Display* display) {
  const char* resources = XResourceManagerString(display);
  if (!resources) return 96;
  XrmInitialize();
  XrmDatabase database = XrmGetStringDatabase(resources);
  char* type = nullptr;
  XrmValue value{};
  double dpi = 96;
  if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr) dpi = std::atof(value.addr);
  XrmDestroyDatabase(database);
  // A value that is no DPI (0, negative, absurd) counts as none.
  return dpi >= 48 && dpi <= 9600 ? static_cast<int>(dpi + 0.5) : 96;
}

std::string Hex(unsigned long id) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%lx", id);
  return text;
}

}  // namespace

SaverTarget::SaverTarget(::Display* display, const linux_saver::Options& options)
    : display_(display), kind_(options.target), dpi_(ResourceDpi(display)) {
  XSetErrorHandler(OnXError);
  const int screen = DefaultScreen(display);
  if (kind_ == Target::GivenWindow) {
    window_ = options.window ? *options.window : RootWindow(display, screen);
    watchedWindow = window_;
    XWindowAttributes attributes;
    if (!XGetWindowAttributes(display, window_, &attributes))
      throw std::runtime_error("there is no window " + Hex(window_) + " on the display");
    visual_ = attributes.visual;
    depth_ = attributes.depth;
    width_ = attributes.width;
    height_ = attributes.height;
    // Whoever owns the window keeps its input: only its size, its exposures and its end matter.
    XSelectInput(display, window_, ExposureMask | StructureNotifyMask);
  } else {
    const bool fullScreen = kind_ == Target::FullScreen;
    visual_ = DefaultVisual(display, screen);
    depth_ = DefaultDepth(display, screen);
    width_ = fullScreen ? DisplayWidth(display, screen) : kTryWindowWidth;
    height_ = fullScreen ? DisplayHeight(display, screen) : kTryWindowHeight;
    XSetWindowAttributes attributes{};
    attributes.background_pixel = BlackPixel(display, screen);
    // The full-screen window covers panels and docks as a screen saver must; the try-out window
    // is an ordinary one that the window manager frames and places.
    attributes.override_redirect = fullScreen ? True : False;
    attributes.event_mask = ExposureMask | StructureNotifyMask;
    if (fullScreen)
      attributes.event_mask |= KeyPressMask | ButtonPressMask | ButtonReleaseMask | PointerMotionMask | EnterWindowMask;
    window_ = XCreateWindow(display, RootWindow(display, screen), 0, 0, static_cast<unsigned>(width_),
                            static_cast<unsigned>(height_), 0, depth_, InputOutput, visual_,
                            CWBackPixel | CWOverrideRedirect | CWEventMask, &attributes);
    watchedWindow = window_;
    XStoreName(display, window_, "Zorvalite");
    XClassHint hint{const_cast<char*>("zorvalite"), const_cast<char*>("Zorvalite")};
    XSetClassHint(display, window_, &hint);
    if (!fullScreen) {
      deleteWindow_ = XInternAtom(display, "WM_DELETE_WINDOW", False);
      XSetWMProtocols(display, window_, &deleteWindow_, 1);
    }
  }
  if (visual_->c_class != TrueColor)
    throw std::runtime_error("the window " + Hex(window_) + " has no true-colour visual to draw the reels in");
  auto channel = [](unsigned long mask) { return Channel{std::countr_zero(mask), std::popcount(mask)}; };
  red_ = channel(visual_->red_mask);
  green_ = channel(visual_->green_mask);
  blue_ = channel(visual_->blue_mask);
  gc_ = XCreateGC(display, window_, 0, nullptr);
  XSetForeground(display, gc_, PixelValue(platform::kBlack));
}

SaverTarget::~SaverTarget() {
  XFreeGC(display_, gc_);
  if (blankCursor_) XFreeCursor(display_, blankCursor_);
  if (kind_ != Target::GivenWindow) XDestroyWindow(display_, window_);
}

void SaverTarget::Resized(int width, int height) {
  width_ = width;
  height_ = height;
}

bool SaverTarget::Gone() const { return watchedWindowGone; }

void SaverTarget::Map() {
  if (kind_ != Target::GivenWindow) XMapRaised(display_, window_);
}

void SaverTarget::Unmap() {
  if (kind_ != Target::GivenWindow) XUnmapWindow(display_, window_);
}

void SaverTarget::TakeKeyboard() {
  if (kind_ != Target::FullScreen) return;
  if (XGrabKeyboard(display_, window_, False, GrabModeAsync, GrabModeAsync, CurrentTime) != GrabSuccess)
    XSetInputFocus(display_, window_, RevertToParent, CurrentTime);
}

void SaverTarget::ShowPointer(bool show) {
  if (kind_ != Target::FullScreen) return;
  if (show) {
    XUndefineCursor(display_, window_);
    return;
  }
  if (!blankCursor_) {
    const char noBits[1] = {0};
    Pixmap empty = XCreateBitmapFromData(display_, window_, noBits, 1, 1);
    XColor black{};
    blankCursor_ = XCreatePixmapCursor(display_, empty, empty, &black, &black, 0, 0);
    XFreePixmap(display_, empty);
  }
  XDefineCursor(display_, window_, blankCursor_);
}

void SaverTarget::FillBlack(int x, int y, int width, int height) {
  if (width > 0 && height > 0)
    XFillRectangle(display_, window_, gc_, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
}

unsigned long SaverTarget::PixelValue(platform::Colour colour) const {
  auto scale = [](unsigned value, Channel channel) {
    const unsigned long scaled = channel.bits >= 8 ? value << (channel.bits - 8) : value >> (8 - channel.bits);
    return scaled << channel.shift;
  };
  return scale(colour & 0xFF, red_) | scale((colour >> 8) & 0xFF, green_) | scale((colour >> 16) & 0xFF, blue_);
}

void SaverTarget::Put(const platform::SoftwareSurface& pixels, int x, int y) {
  const int width = pixels.Width(), height = pixels.Height();
  if (width <= 0 || height <= 0) return;
  XImage* image = XCreateImage(display_, visual_, static_cast<unsigned>(depth_), ZPixmap, 0, nullptr,
                               static_cast<unsigned>(width), static_cast<unsigned>(height), 32, 0);
  if (!image) throw std::bad_alloc();
  imageBytes_.resize(static_cast<std::size_t>(image->bytes_per_line) * height);
  image->data = imageBytes_.data();
  // Four bytes a pixel in this machine's byte order, as almost every server has it, are
  // written directly; any other layout goes through Xlib.
  const int hostOrder = std::endian::native == std::endian::little ? LSBFirst : MSBFirst;
  const bool direct = image->bits_per_pixel == 32 && image->byte_order == hostOrder;
  const platform::Colour* source = pixels.Pixels().data();
  for (int row = 0; row < height; ++row) {
    char* line = image->data + static_cast<std::ptrdiff_t>(row) * image->bytes_per_line;
    for (int column = 0; column < width; ++column) {
      const unsigned long value = PixelValue(*source++);
      if (direct) {
        const auto word = static_cast<std::uint32_t>(value);
        std::memcpy(line + 4 * column, &word, 4);
      } else {
        XPutPixel(image, column, row, value);
      }
    }
  }
  XPutImage(display_, window_, gc_, image, 0, 0, x, y, static_cast<unsigned>(width), static_cast<unsigned>(height));
  image->data = nullptr;
  XDestroyImage(image);
}

}  // namespace zv::x11
