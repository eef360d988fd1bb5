// x_host_window WIDTH HEIGHT: opens a white WIDTHxHEIGHT window, prints its id (0x...) and keeps
// it until the process is ended, as the window of another program that a display mode is given
// with --window-id. White, so that what the display mode paints black shows.
#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: x_host_window WIDTH HEIGHT\n");
    return 2;
  }
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "x_host_window: cannot open the display\n");
    return 2;
  }
  const int screen = DefaultScreen(display);
  Window window = XCreateSimpleWindow(display, RootWindow(display, screen), 0, 0,
                                      static_cast<unsigned>(std::atoi(argv[1])), static_cast<unsigned>(std::atoi(argv[2])),
                                      0, BlackPixel(display, screen), WhitePixel(display, screen));
  XStoreName(display, window, "x_host_window");
  XSelectInput(display, window, StructureNotifyMask);
  XMapWindow(display, window);
  for (XEvent event;;) {
    XNextEvent(display, &event);
    if (event.type == MapNotify) break;
  }
  std::printf("0x%lx\n", window);
  std::fflush(stdout);
  for (XEvent event;;) XNextEvent(display, &event);
}
