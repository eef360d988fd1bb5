#include "shells/wayland/wayland_connection.h"

#include <wayland-client.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>

#include "xdg-shell-client-protocol.h"

namespace zv::wayland {
namespace {

// wl_compositor 4 damages in buffer pixels; wl_output 2 tells the scale.
constexpr std::uint32_t kCompositorVersion = 4;
constexpr std::uint32_t kOutputVersion = 2;

// The compositor checks that its clients live.
const xdg_wm_base_listener kWmBaseListener = {
    .ping = [](void*, xdg_wm_base* base, std::uint32_t serial) { xdg_wm_base_pong(base, serial); },
};

const wl_output_listener kOutputListener = {
    .geometry = [](void* data, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t, const char*,
                   const char*, std::int32_t transform) { static_cast<Output*>(data)->transform = transform; },
    .mode =
        [](void* data, wl_output*, std::uint32_t flags, std::int32_t width, std::int32_t height, std::int32_t) {
          if (!(flags & WL_OUTPUT_MODE_CURRENT)) return;
          auto* output = static_cast<Output*>(data);
          output->width = width;
          output->height = height;
        },
    .done =
        [](void* data, wl_output*) {
          auto* output = static_cast<Output*>(data);
          output->scale = output->pendingScale;
          if (output->connection->onOutputChanged) output->connection->onOutputChanged(*output);
        },
    .scale = [](void* data, wl_output*, std::int32_t factor) { static_cast<Output*>(data)->pendingScale = std::max(1, factor); },
    .name = [](void*, wl_output*, const char*) {},
    .description = [](void*, wl_output*, const char*) {},
};

}  // namespace

WaylandConnection::WaylandConnection() : display_(wl_display_connect(nullptr)) {
  if (!display_) {
    const char* name = std::getenv("WAYLAND_DISPLAY");
    throw std::runtime_error(std::string("cannot connect to the Wayland compositor '") + (name ? name : "") + "'");
  }
  static const wl_registry_listener kRegistryListener = {.global = Global, .global_remove = GlobalRemove};
  registry_ = wl_display_get_registry(display_);
  wl_registry_add_listener(registry_, &kRegistryListener, this);
  // The globals, then the outputs' first descriptions.
  if (!Roundtrip() || !Roundtrip()) throw std::runtime_error(Failure());
  if (!compositor_ || !shm_ || !wmBase_)
    throw std::runtime_error("the Wayland compositor offers no wl_compositor 4, wl_shm or xdg_wm_base");
}

WaylandConnection::~WaylandConnection() {
  for (auto& output : outputs_) wl_output_destroy(output->proxy);
  if (wmBase_) xdg_wm_base_destroy(wmBase_);
  if (shm_) wl_shm_destroy(shm_);
  if (compositor_) wl_compositor_destroy(compositor_);
  wl_registry_destroy(registry_);
  wl_display_disconnect(display_);
}

void WaylandConnection::Global(void* data, wl_registry* registry, std::uint32_t name, const char* interface,
                               std::uint32_t version) {
  auto* self = static_cast<WaylandConnection*>(data);
  const std::string_view kind = interface;
  if (kind == wl_compositor_interface.name && version >= kCompositorVersion) {
    self->compositor_ = static_cast<wl_compositor*>(wl_registry_bind(registry, name, &wl_compositor_interface, kCompositorVersion));
  } else if (kind == wl_shm_interface.name) {
    self->shm_ = static_cast<wl_shm*>(wl_registry_bind(registry, name, &wl_shm_interface, 1));
  } else if (kind == xdg_wm_base_interface.name) {
    self->wmBase_ = static_cast<xdg_wm_base*>(wl_registry_bind(registry, name, &xdg_wm_base_interface, 1));
    xdg_wm_base_add_listener(self->wmBase_, &kWmBaseListener, nullptr);
  } else if (kind == wl_seat_interface.name) {
    self->seats_.push_back({name, version});
  } else if (kind == wl_output_interface.name && version >= kOutputVersion) {
    auto output = std::make_unique<Output>();
    output->name = name;
    output->connection = self;
    output->proxy = static_cast<wl_output*>(wl_registry_bind(registry, name, &wl_output_interface, kOutputVersion));
    wl_output_add_listener(output->proxy, &kOutputListener, output.get());
    self->outputs_.push_back(std::move(output));
    if (self->onOutputAdded) self->onOutputAdded(*self->outputs_.back());
  }
}

void WaylandConnection::GlobalRemove(void* data, wl_registry*, std::uint32_t name) {
  auto* self = static_cast<WaylandConnection*>(data);
  auto gone = std::find_if(self->outputs_.begin(), self->outputs_.end(), [name](const auto& output) { return output->name == name; });
  if (gone == self->outputs_.end()) return;
  wl_output_destroy((*gone)->proxy);
  self->outputs_.erase(gone);
  if (self->onOutputRemoved) self->onOutputRemoved(name);
}

const Output* WaylandConnection::FindOutput(std::uint32_t name) const {
  for (const auto& output : outputs_)
    if (output->name == name) return output.get();
  return nullptr;
}

int WaylandConnection::Fd() const { return wl_display_get_fd(display_); }

int WaylandConnection::DispatchPending() {
  int ran = 0;
  while (wl_display_prepare_read(display_) != 0) {
    const int count = wl_display_dispatch_pending(display_);
    if (count < 0) return -1;
    ran += count;
  }
  pollfd source{Fd(), POLLIN, 0};
  if (poll(&source, 1, 0) > 0) {
    if (wl_display_read_events(display_) < 0) return -1;
  } else {
    wl_display_cancel_read(display_);
  }
  const int count = wl_display_dispatch_pending(display_);
  return count < 0 ? -1 : ran + count;
}

bool WaylandConnection::Wait(const timespec* timeout, std::span<pollfd> others) {
  // Events queued already would not wake the poll.
  if (wl_display_prepare_read(display_) != 0) return true;
  if (!Flush()) {
    wl_display_cancel_read(display_);
    return false;
  }
  std::vector<pollfd> sources{{Fd(), POLLIN, 0}};
  sources.insert(sources.end(), others.begin(), others.end());
  const int ready = ppoll(sources.data(), sources.size(), timeout, nullptr);
  std::copy(sources.begin() + 1, sources.end(), others.begin());
  if (ready > 0 && sources[0].revents != 0) return wl_display_read_events(display_) == 0;
  wl_display_cancel_read(display_);
  return true;
}

bool WaylandConnection::Roundtrip() { return wl_display_roundtrip(display_) >= 0; }

// A full socket is no failure: what is left goes with the next flush.
bool WaylandConnection::Flush() { return wl_display_flush(display_) >= 0 || errno == EAGAIN; }

bool WaylandConnection::Gone() const { return wl_display_get_error(display_) != EPROTO; }

std::string WaylandConnection::Failure() const {
  const int error = wl_display_get_error(display_);
  if (error == EPROTO) {
    const wl_interface* interface = nullptr;
    std::uint32_t id = 0;
    const std::uint32_t code = wl_display_get_protocol_error(display_, &interface, &id);
    return "Wayland protocol error " + std::to_string(code) + " on " + (interface ? interface->name : "?") + " " +
           std::to_string(id);
  }
  return "the Wayland compositor has gone away";
}

}  // namespace zv::wayland
