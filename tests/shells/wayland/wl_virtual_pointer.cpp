// wl_virtual_pointer: gives the compositor's seat a pointer, as a mouse plugged in would, through
// the virtual-pointer protocol of wlroots compositors (sway); headless, the seat has none, and
// its clients hear of no pointer. Prints "ready" once the pointer exists and keeps it until
// SIGTERM. The protocol's two requests used here are declared by hand: Debian ships no
// description of it.
#include <signal.h>
#include <unistd.h>
#include <wayland-client.h>

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

extern const wl_interface kVirtualPointer;
// zwlr_virtual_pointer_v1's requests, in the protocol's order (only their opcodes matter here).
const wl_message kPointerRequests[] = {
    {"motion", "uff", nullptr},        {"motion_absolute", "uuuuu", nullptr}, {"button", "uuu", nullptr},
    {"axis", "uuf", nullptr},          {"frame", "", nullptr},                {"axis_source", "u", nullptr},
    {"axis_stop", "uu", nullptr},      {"axis_discrete", "uufi", nullptr},    {"destroy", "", nullptr},
};
const wl_interface kVirtualPointer = {"zwlr_virtual_pointer_v1", 1, 9, kPointerRequests, 0, nullptr};
const wl_interface* kCreateTypes[] = {&wl_seat_interface, &kVirtualPointer};
const wl_message kManagerRequests[] = {{"create_virtual_pointer", "?on", kCreateTypes}, {"destroy", "", nullptr}};
const wl_interface kManager = {"zwlr_virtual_pointer_manager_v1", 1, 2, kManagerRequests, 0, nullptr};

wl_proxy* manager = nullptr;

void Global(void*, wl_registry* registry, std::uint32_t name, const char* interface, std::uint32_t) {
  if (std::strcmp(interface, kManager.name) == 0)
    manager = static_cast<wl_proxy*>(wl_registry_bind(registry, name, &kManager, 1));
}
void GlobalRemove(void*, wl_registry*, std::uint32_t) {}

}  // namespace

int main() {
  wl_display* display = wl_display_connect(nullptr);
  if (!display) return std::fprintf(stderr, "wl_virtual_pointer: no compositor\n"), 1;
  static const wl_registry_listener listener = {Global, GlobalRemove};
  wl_registry_add_listener(wl_display_get_registry(display), &listener, nullptr);
  wl_display_roundtrip(display);
  if (!manager) return std::fprintf(stderr, "wl_virtual_pointer: the compositor has no virtual pointers\n"), 1;
  // On the compositor's default seat.
  wl_proxy_marshal_flags(manager, 0, &kVirtualPointer, 1, 0, nullptr, nullptr);
  if (wl_display_roundtrip(display) < 0) return std::fprintf(stderr, "wl_virtual_pointer: refused\n"), 1;
  std::puts("ready");
  std::fflush(stdout);
  sigset_t term;
  sigemptyset(&term);
  sigaddset(&term, SIGTERM);
  sigprocmask(SIG_BLOCK, &term, nullptr);
  int signal = 0;
  sigwait(&term, &signal);
  wl_display_disconnect(display);
  return 0;
}
