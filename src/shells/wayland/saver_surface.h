#pragma once
#include <cstdint>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "linux_saver/options.h"
#include "platform/screen_layout.h"
#include "platform/software_surface.h"
#include "shells/wayland/shm_buffer.h"
#include "shells/wayland/wayland_connection.h"

struct wl_surface;
struct wl_callback;
struct wl_seat;
struct wl_pointer;
struct wl_keyboard;
struct xdg_surface;
struct xdg_toplevel;

namespace zv::wayland {

// What the compositor told of the saver's surface. The surface's listeners only record these;
// the saver window takes them after libwayland's dispatch has returned, so that none of the
// saver's handlers runs inside a callback of that C library.
struct SurfaceEvent {
  enum class Kind {
    Reconfigured,    // its size or scale changed
    CloseRequested,  // the compositor asks it to close
    OutputGone,      // its output went
    KeyPressed,
    Clicked,         // a button or a wheel turn
    PointerAt,       // the pointer is over it at x, y, in its buffer's pixels
  } kind;
  double x = 0, y = 0;
};

// The saver's xdg toplevel: full screen on one output, or an ordinary resizable window. It
// shows black with the display block at its place, drawn into wl_shm buffers at the output's
// real pixel size; a frame is committed only when the picture changed and the compositor has
// shown the last one (never more than one frame callback pending). Full screen, it takes the
// keyboard and pointer of every seat and can hide the pointer over itself.
class SaverSurface {
 public:
  // Creates the toplevel and waits for its first configure. `output` names the output of a
  // full-screen surface; when it has gone already, the surface is none and its first event says
  // so. Throws std::runtime_error when the compositor cannot be talked to.
  SaverSurface(WaylandConnection& connection, linux_saver::Target target, std::optional<std::uint32_t> output);
  ~SaverSurface();
  SaverSurface(const SaverSurface&) = delete;
  SaverSurface& operator=(const SaverSurface&) = delete;

  // What happened since the last call, in the order it was told.
  std::vector<SurfaceEvent> TakeEvents() { return std::exchange(events_, {}); }
  // Full screen on one output, not a window.
  bool FullScreen() const { return output_.has_value(); }
  // The size in pixels (its logical size times the scale) and the DPI its scale stands for.
  int Width() const { return logicalWidth_ * scale_; }
  int Height() const { return logicalHeight_ * scale_; }
  int Dpi() const { return 96 * scale_; }

  // The display block's pixels at `shown`, a rectangle in the surface's pixels; or none.
  void ShowBlock(const platform::SoftwareSurface& pixels, const platform::Rect& shown);
  void ClearBlock();
  // The first frame may go out (the surface shows); or the surface no longer shows.
  void Map();
  void Unmap();
  void ShowPointer(bool show);
  // Commits the picture when it changed since the last frame and the compositor is ready for
  // another; false when nothing went out.
  bool CommitIfDue();

 private:
  struct Seat {
    SaverSurface* surface;
    wl_seat* seat = nullptr;
    wl_pointer* pointer = nullptr;
    wl_keyboard* keyboard = nullptr;
    std::uint32_t enterSerial = 0;
  };
  // The protocol's event handlers (in the source file).
  friend struct SurfaceHandlers;

  // The scale of its buffers: its output's, or for a window the largest of the outputs it is on.
  int CurrentScale() const;
  void Rescale();
  void Record(SurfaceEvent event) { events_.push_back(event); }
  void HidePointer(Seat& seat);
  // A buffer the compositor does not hold, of the surface's size; `fresh` when new (black).
  ShmBuffer* FreeBuffer(bool& fresh);
  void Paint(ShmBuffer& buffer, bool fresh);

  WaylandConnection& connection_;
  linux_saver::Target target_;
  std::optional<std::uint32_t> output_;
  std::vector<SurfaceEvent> events_;
  wl_surface* surface_ = nullptr;
  xdg_surface* xdgSurface_ = nullptr;
  xdg_toplevel* toplevel_ = nullptr;
  std::vector<std::unique_ptr<Seat>> seats_;
  // The outputs a window is on.
  std::vector<std::uint32_t> entered_;

  bool configured_ = false;
  int pendingWidth_ = 0, pendingHeight_ = 0;
  int logicalWidth_ = 0, logicalHeight_ = 0;
  int scale_ = 1;
  int bufferScale_ = 0;  // as last set on the surface
  // The size and scale the saver last heard of.
  struct Reported {
    int width = 0, height = 0, scale = 0;
    bool operator==(const Reported&) const = default;
  } reported_;

  bool mapped_ = false;
  bool changed_ = false;
  wl_callback* frame_ = nullptr;
  bool pointerHidden_ = false;
  std::optional<platform::Rect> block_;
  // Where the last frame committed showed it.
  std::optional<platform::Rect> committedBlock_;
  std::vector<std::uint32_t> blockPixels_;  // XRGB8888, block_->width per row
  std::unique_ptr<ShmBuffer> buffers_[2];
};

}  // namespace zv::wayland
