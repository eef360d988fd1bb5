#include "shells/wayland/saver_surface.h"

#include <unistd.h>
#include <wayland-client.h>

#include <algorithm>
#include <stdexcept>

#include "xdg-shell-client-protocol.h"

namespace zv::wayland {
namespace {

// The size of the try-out window when the compositor leaves it to the saver.
constexpr int kTryWindowWidth = 640;
constexpr int kTryWindowHeight = 480;
// Version 5 of wl_seat, the one whose pointer events the handlers below answer.
constexpr std::uint32_t kSeatVersion = 5;

// A colour of the saver's surfaces (0x00BBGGRR) as an XRGB8888 pixel.
std::uint32_t Xrgb(platform::Colour colour) {
  return ((colour & 0xFFu) << 16) | (colour & 0xFF00u) | ((colour >> 16) & 0xFFu);
}

platform::Rect Clipped(const platform::Rect& rect, int width, int height) {
  const int left = std::clamp(rect.left, 0, width), top = std::clamp(rect.top, 0, height);
  const int right = std::clamp(rect.left + rect.width, 0, width), bottom = std::clamp(rect.top + rect.height, 0, height);
  return {left, top, right - left, bottom - top};
}

}  // namespace

struct SurfaceHandlers {
  static SaverSurface& Of(void* data) { return *static_cast<SaverSurface*>(data); }
  static SaverSurface::Seat& SeatOf(void* data) { return *static_cast<SaverSurface::Seat*>(data); }

  static constexpr xdg_surface_listener kXdgSurface = {
      .configure =
          [](void* data, xdg_surface* surface, std::uint32_t serial) {
            SaverSurface& self = Of(data);
            xdg_surface_ack_configure(surface, serial);
            self.configured_ = true;
            self.logicalWidth_ = self.pendingWidth_;
            self.logicalHeight_ = self.pendingHeight_;
            self.Rescale();
          },
  };

  static constexpr xdg_toplevel_listener kToplevel = {
      .configure =
          [](void* data, xdg_toplevel*, std::int32_t width, std::int32_t height, wl_array*) {
            SaverSurface& self = Of(data);
            // No size: the saver chooses, its output's for a full-screen surface (the compositor
            // sends that size once the surface shows on the output).
            if (width <= 0 || height <= 0) {
              const Output* output = self.output_ ? self.connection_.FindOutput(*self.output_) : nullptr;
              const bool known = output && output->width > 0 && output->height > 0;
              width = known ? output->LogicalWidth() : kTryWindowWidth;
              height = known ? output->LogicalHeight() : kTryWindowHeight;
            }
            self.pendingWidth_ = width;
            self.pendingHeight_ = height;
          },
      .close = [](void* data, xdg_toplevel*) { Of(data).Record({SurfaceEvent::Kind::CloseRequested}); },
      .configure_bounds = [](void*, xdg_toplevel*, std::int32_t, std::int32_t) {},
      .wm_capabilities = [](void*, xdg_toplevel*, wl_array*) {},
  };

  // A window takes the scale of the outputs it is on.
  static constexpr wl_surface_listener kSurface = {
      .enter =
          [](void* data, wl_surface*, wl_output* output) {
            SaverSurface& self = Of(data);
            for (const auto& known : self.connection_.Outputs())
              if (known->proxy == output) self.entered_.push_back(known->name);
            self.Rescale();
          },
      .leave =
          [](void* data, wl_surface*, wl_output* output) {
            SaverSurface& self = Of(data);
            for (const auto& known : self.connection_.Outputs())
              if (known->proxy == output) std::erase(self.entered_, known->name);
            self.Rescale();
          },
  };

  static constexpr wl_callback_listener kFrame = {
      .done =
          [](void* data, wl_callback* callback, std::uint32_t) {
            wl_callback_destroy(callback);
            Of(data).frame_ = nullptr;
          },
  };

  static void PointerAt(SaverSurface::Seat& state, wl_fixed_t x, wl_fixed_t y) {
    SaverSurface& self = *state.surface;
    self.Record({SurfaceEvent::Kind::PointerAt, wl_fixed_to_double(x) * self.scale_, wl_fixed_to_double(y) * self.scale_});
  }

  static constexpr wl_pointer_listener kPointer = {
      // A surface that appears under the pointer learns where the pointer is before it moves.
      .enter =
          [](void* data, wl_pointer*, std::uint32_t serial, wl_surface*, wl_fixed_t x, wl_fixed_t y) {
            SaverSurface::Seat& state = SeatOf(data);
            state.enterSerial = serial;
            if (state.surface->pointerHidden_) state.surface->HidePointer(state);
            PointerAt(state, x, y);
          },
      .leave = [](void*, wl_pointer*, std::uint32_t, wl_surface*) {},
      .motion = [](void* data, wl_pointer*, std::uint32_t, wl_fixed_t x, wl_fixed_t y) { PointerAt(SeatOf(data), x, y); },
      // Any button, the side buttons too, counts as a click when it comes up, as on Windows.
      .button =
          [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state) {
            SaverSurface& self = *SeatOf(data).surface;
            if (state == WL_POINTER_BUTTON_STATE_RELEASED) self.Record({SurfaceEvent::Kind::Clicked});
          },
      .axis =
          [](void* data, wl_pointer*, std::uint32_t, std::uint32_t, wl_fixed_t value) {
            SaverSurface& self = *SeatOf(data).surface;
            if (value != 0) self.Record({SurfaceEvent::Kind::Clicked});
          },
      .frame = [](void*, wl_pointer*) {},
      .axis_source = [](void*, wl_pointer*, std::uint32_t) {},
      .axis_stop = [](void*, wl_pointer*, std::uint32_t, std::uint32_t) {},
      .axis_discrete = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
      .axis_value120 = [](void*, wl_pointer*, std::uint32_t, std::int32_t) {},
  };

  static constexpr wl_keyboard_listener kKeyboard = {
      .keymap = [](void*, wl_keyboard*, std::uint32_t, std::int32_t fd, std::uint32_t) { close(fd); },
      .enter = [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
      .leave = [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {},
      .key =
          [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t state) {
            SaverSurface& self = *SeatOf(data).surface;
            if (state == WL_KEYBOARD_KEY_STATE_PRESSED) self.Record({SurfaceEvent::Kind::KeyPressed});
          },
      .modifiers = [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
      .repeat_info = [](void*, wl_keyboard*, std::int32_t, std::int32_t) {},
  };

  static constexpr wl_seat_listener kSeat = {
      .capabilities =
          [](void* data, wl_seat* seat, std::uint32_t capabilities) {
            SaverSurface::Seat& state = SeatOf(data);
            const bool pointer = capabilities & WL_SEAT_CAPABILITY_POINTER;
            const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
            if (pointer && !state.pointer) {
              state.pointer = wl_seat_get_pointer(seat);
              wl_pointer_add_listener(state.pointer, &kPointer, &state);
            } else if (!pointer && state.pointer) {
              wl_pointer_release(state.pointer);
              state.pointer = nullptr;
            }
            if (keyboard && !state.keyboard) {
              state.keyboard = wl_seat_get_keyboard(seat);
              wl_keyboard_add_listener(state.keyboard, &kKeyboard, &state);
            } else if (!keyboard && state.keyboard) {
              wl_keyboard_release(state.keyboard);
              state.keyboard = nullptr;
            }
          },
      .name = [](void*, wl_seat*, const char*) {},
  };
};

SaverSurface::SaverSurface(WaylandConnection& connection, linux_saver::Target target, std::optional<std::uint32_t> output)
    : connection_(connection), target_(target), output_(output) {
  const Output* fullScreenOn = output ? connection.FindOutput(*output) : nullptr;
  if (output && !fullScreenOn) {
    Record({SurfaceEvent::Kind::OutputGone});
    return;
  }
  surface_ = wl_compositor_create_surface(connection.Compositor());
  wl_surface_add_listener(surface_, &SurfaceHandlers::kSurface, this);
  xdgSurface_ = xdg_wm_base_get_xdg_surface(connection.WmBase(), surface_);
  xdg_surface_add_listener(xdgSurface_, &SurfaceHandlers::kXdgSurface, this);
  toplevel_ = xdg_surface_get_toplevel(xdgSurface_);
  xdg_toplevel_add_listener(toplevel_, &SurfaceHandlers::kToplevel, this);
  xdg_toplevel_set_title(toplevel_, "Zorvalite");
  xdg_toplevel_set_app_id(toplevel_, "zorvalite");
  if (fullScreenOn) {
    xdg_toplevel_set_fullscreen(toplevel_, fullScreenOn->proxy);
    // Its scale follows its output's; its end comes with its output's.
    connection.onOutputChanged = [this](const Output& changed) {
      if (changed.name == *output_) Rescale();
    };
    connection.onOutputRemoved = [this](std::uint32_t name) {
      if (name == *output_) Record({SurfaceEvent::Kind::OutputGone});
    };
    // Input anywhere on it ends the saver: it listens to every seat.
    for (const SeatGlobal& global : connection.Seats()) {
      auto seat = std::make_unique<Seat>(Seat{this});
      seat->seat = static_cast<wl_seat*>(
          wl_registry_bind(connection.Registry(), global.name, &wl_seat_interface, std::min(global.version, kSeatVersion)));
      wl_seat_add_listener(seat->seat, &SurfaceHandlers::kSeat, seat.get());
      seats_.push_back(std::move(seat));
    }
  } else {
    connection.onOutputChanged = [this](const Output&) { Rescale(); };
    connection.onOutputRemoved = [this](std::uint32_t name) {
      std::erase(entered_, name);
      Rescale();
    };
  }
  // The first commit, without a buffer, asks for the first configure.
  wl_surface_commit(surface_);
  while (!configured_)
    if (!connection.Roundtrip()) throw std::runtime_error(connection.Failure());
}

SaverSurface::~SaverSurface() {
  connection_.onOutputChanged = nullptr;
  connection_.onOutputRemoved = nullptr;
  for (auto& seat : seats_) {
    if (seat->pointer) wl_pointer_release(seat->pointer);
    if (seat->keyboard) wl_keyboard_release(seat->keyboard);
    wl_seat_destroy(seat->seat);
  }
  if (frame_) wl_callback_destroy(frame_);
  buffers_[0].reset();
  buffers_[1].reset();
  if (!surface_) return;
  xdg_toplevel_destroy(toplevel_);
  xdg_surface_destroy(xdgSurface_);
  wl_surface_destroy(surface_);
}

int SaverSurface::CurrentScale() const {
  if (output_) {
    const Output* output = connection_.FindOutput(*output_);
    return output ? output->scale : scale_;
  }
  int scale = 1;
  for (std::uint32_t name : entered_)
    if (const Output* output = connection_.FindOutput(name)) scale = std::max(scale, output->scale);
  return scale;
}

// The saver hears of every new size or scale, whichever of the two the compositor tells first:
// a scale told before the size that comes with it is a change of its own.
void SaverSurface::Rescale() {
  if (!configured_) return;
  scale_ = CurrentScale();
  changed_ = true;
  const Reported now{logicalWidth_, logicalHeight_, scale_};
  if (now == reported_) return;
  reported_ = now;
  Record({SurfaceEvent::Kind::Reconfigured});
}

void SaverSurface::ShowBlock(const platform::SoftwareSurface& pixels, const platform::Rect& shown) {
  block_ = shown;
  blockPixels_.resize(pixels.Pixels().size());
  std::transform(pixels.Pixels().begin(), pixels.Pixels().end(), blockPixels_.begin(), Xrgb);
  changed_ = true;
}

void SaverSurface::ClearBlock() {
  block_.reset();
  changed_ = true;
}

void SaverSurface::Map() {
  mapped_ = true;
  changed_ = true;
}

void SaverSurface::Unmap() {
  mapped_ = false;
  if (!surface_) return;
  wl_surface_attach(surface_, nullptr, 0, 0);
  wl_surface_commit(surface_);
  connection_.Flush();
}

void SaverSurface::ShowPointer(bool show) {
  if (target_ != linux_saver::Target::FullScreen) return;
  pointerHidden_ = !show;
  // Shown again, it takes the compositor's own image once the surface has gone.
  if (pointerHidden_)
    for (auto& seat : seats_)
      if (seat->pointer && seat->enterSerial) HidePointer(*seat);
}

void SaverSurface::HidePointer(Seat& seat) { wl_pointer_set_cursor(seat.pointer, seat.enterSerial, nullptr, 0, 0); }

ShmBuffer* SaverSurface::FreeBuffer(bool& fresh) {
  for (auto& buffer : buffers_) {
    if (buffer && buffer->Busy()) continue;
    fresh = !buffer || buffer->Width() != Width() || buffer->Height() != Height();
    if (fresh) buffer = std::make_unique<ShmBuffer>(connection_.Shm(), Width(), Height());
    return buffer.get();
  }
  return nullptr;
}

bool SaverSurface::CommitIfDue() {
  if (!mapped_ || !changed_ || frame_ || Width() <= 0 || Height() <= 0) return false;
  bool fresh = false;
  ShmBuffer* buffer = FreeBuffer(fresh);
  if (!buffer) return false;
  Paint(*buffer, fresh || scale_ != bufferScale_);
  if (bufferScale_ != scale_) {
    wl_surface_set_buffer_scale(surface_, scale_);
    bufferScale_ = scale_;
  }
  wl_surface_attach(surface_, buffer->Get(), 0, 0);
  frame_ = wl_surface_frame(surface_);
  wl_callback_add_listener(frame_, &SurfaceHandlers::kFrame, this);
  wl_surface_commit(surface_);
  buffer->Committed();
  changed_ = false;
  connection_.Flush();
  return true;
}

// A buffer holds black and the block where it last showed it: the block's old place turns black
// and the block is drawn at its new one. The damage also covers where the last frame showed the
// block, which the compositor goes by. A new buffer is black and damaged whole.
void SaverSurface::Paint(ShmBuffer& buffer, bool fresh) {
  auto damage = [&](const std::optional<platform::Rect>& rect) {
    if (rect && rect->width > 0 && rect->height > 0)
      wl_surface_damage_buffer(surface_, rect->left, rect->top, rect->width, rect->height);
  };
  const auto clipped = [&](const std::optional<platform::Rect>& rect) -> std::optional<platform::Rect> {
    if (!rect) return std::nullopt;
    return Clipped(*rect, buffer.Width(), buffer.Height());
  };
  if (buffer.block && buffer.block != block_) {
    const platform::Rect old = *clipped(buffer.block);
    for (int y = old.top; y < old.top + old.height; ++y) std::fill_n(buffer.Row(y) + old.left, old.width, 0u);
  }
  if (block_) {
    const platform::Rect shown = *clipped(block_);
    for (int y = shown.top; y < shown.top + shown.height; ++y)
      std::copy_n(blockPixels_.data() + static_cast<std::ptrdiff_t>(y - block_->top) * block_->width + (shown.left - block_->left),
                  shown.width, buffer.Row(y) + shown.left);
  }
  if (fresh) {
    wl_surface_damage_buffer(surface_, 0, 0, buffer.Width(), buffer.Height());
  } else {
    damage(clipped(buffer.block));
    damage(clipped(committedBlock_));
    damage(clipped(block_));
  }
  buffer.block = block_;
  committedBlock_ = block_;
}

}  // namespace zv::wayland
