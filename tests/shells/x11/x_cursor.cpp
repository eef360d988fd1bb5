// Prints how many pixels of the X server's current cursor image can be seen (alpha above 0):
// 0 while a program has hidden the cursor, more while any cursor shows. Used by the X11 and Wine tests
// to see the cursor as the user would, independently of Wine's own bookkeeping.
#include <X11/Xlib.h>
#include <X11/extensions/Xfixes.h>

#include <cstdio>

int main() {
  Display* display = XOpenDisplay(nullptr);
  if (!display) {
    std::fprintf(stderr, "x_cursor: cannot open the display\n");
    return 2;
  }
  int eventBase = 0, errorBase = 0;
  if (!XFixesQueryExtension(display, &eventBase, &errorBase)) {
    std::fprintf(stderr, "x_cursor: no XFIXES extension\n");
    return 2;
  }
  XFixesCursorImage* image = XFixesGetCursorImage(display);
  if (!image) {
    std::fprintf(stderr, "x_cursor: no cursor image\n");
    return 2;
  }
  long visible = 0;
  for (long i = 0; i < static_cast<long>(image->width) * image->height; ++i)
    if ((image->pixels[i] >> 24) & 0xFF) ++visible;
  std::printf("%ld\n", visible);
  XFree(image);
  XCloseDisplay(display);
  return 0;
}
