#pragma once
#include <poll.h>
#include <time.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <vector>

struct wl_display;
struct wl_registry;
struct wl_compositor;
struct wl_shm;
struct wl_output;
struct xdg_wm_base;

namespace zv::wayland {

class WaylandConnection;

// An output (a monitor) as the compositor describes it.
struct Output {
  // The name of its global, which the compositor gives every client alike: a saver started for
  // an output finds it by this name on its own connection.
  std::uint32_t name = 0;
  wl_output* proxy = nullptr;
  // The integer scale of its buffers (wl_output.scale), as of its last done event.
  int scale = 1;
  int pendingScale = 1;
  // Its current mode, in pixels, and how the picture turns on it (wl_output.transform).
  int width = 0;
  int height = 0;
  int transform = 0;
  // Its size in logical pixels: the mode, turned a quarter where the transform says so, over the
  // scale.
  int LogicalWidth() const { return ((transform & 1) ? height : width) / scale; }
  int LogicalHeight() const { return ((transform & 1) ? width : height) / scale; }
  WaylandConnection* connection = nullptr;
};

// A seat (a keyboard and pointer group) the compositor offers, not yet bound.
struct SeatGlobal {
  std::uint32_t name;
  std::uint32_t version;
};

// The connection to the compositor named by WAYLAND_DISPLAY, the globals the saver uses and the
// outputs as they come and go. Every wait and read reports a failed connection (the compositor
// gone, or a protocol error) as false; Failure() then says what happened.
class WaylandConnection {
 public:
  // Connects and learns the globals and the outputs' scales. Throws std::runtime_error when there
  // is no compositor or it lacks what the saver needs.
  WaylandConnection();
  ~WaylandConnection();
  WaylandConnection(const WaylandConnection&) = delete;
  WaylandConnection& operator=(const WaylandConnection&) = delete;

  wl_registry* Registry() const { return registry_; }
  int Fd() const;
  wl_compositor* Compositor() const { return compositor_; }
  wl_shm* Shm() const { return shm_; }
  xdg_wm_base* WmBase() const { return wmBase_; }
  const std::vector<SeatGlobal>& Seats() const { return seats_; }
  // The outputs present, and the one of a name (null when it has gone or never was).
  const std::vector<std::unique_ptr<Output>>& Outputs() const { return outputs_; }
  const Output* FindOutput(std::uint32_t name) const;

  // Told of an output that appears, of one whose description changed (its mode, transform or
  // scale), and of one that goes (after it has left Outputs()).
  std::function<void(const Output&)> onOutputAdded;
  std::function<void(const Output&)> onOutputChanged;
  std::function<void(std::uint32_t name)> onOutputRemoved;

  // Reads whatever has arrived, without waiting, and runs its handlers: how many ran, or -1.
  int DispatchPending();
  // Sends what is queued, then sleeps until the compositor sends something, one of `others`
  // becomes readable, or `timeout` has passed (null: no limit). Runs no handler.
  bool Wait(const timespec* timeout, std::span<pollfd> others = {});
  bool Roundtrip();
  bool Flush();
  // Why the connection failed; Gone() when because the compositor went away (not a protocol
  // error).
  std::string Failure() const;
  bool Gone() const;

 private:
  static void Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t version);
  static void GlobalRemove(void* data, wl_registry* registry, std::uint32_t name);

  wl_display* display_;
  wl_registry* registry_ = nullptr;
  wl_compositor* compositor_ = nullptr;
  wl_shm* shm_ = nullptr;
  xdg_wm_base* wmBase_ = nullptr;
  std::vector<SeatGlobal> seats_;
  std::vector<std::unique_ptr<Output>> outputs_;
};

}  // namespace zv::wayland
