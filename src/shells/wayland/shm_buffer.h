#pragma once
#include <cstdint>
#include <optional>

#include "platform/screen_layout.h"

struct wl_shm;
struct wl_buffer;

namespace zv::wayland {

// A buffer of shared memory the compositor reads a surface's pixels from: XRGB8888, in a pool of
// its own. The compositor holds it from its commit until it releases it.
class ShmBuffer {
 public:
  ShmBuffer(wl_shm* shm, int width, int height);  // throws std::system_error
  ~ShmBuffer();
  ShmBuffer(const ShmBuffer&) = delete;
  ShmBuffer& operator=(const ShmBuffer&) = delete;

  wl_buffer* Get() const { return buffer_; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  std::uint32_t* Row(int y) { return pixels_ + static_cast<std::ptrdiff_t>(y) * width_; }
  bool Busy() const { return busy_; }
  void Committed() { busy_ = true; }

  // Where it shows the display block (black everywhere else); none when all black.
  std::optional<platform::Rect> block;

 private:
  int width_;
  int height_;
  std::size_t size_;
  std::uint32_t* pixels_;
  wl_buffer* buffer_;
  bool busy_ = false;
};

}  // namespace zv::wayland
