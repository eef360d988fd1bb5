/* A stand-in libXinerama.so.1 for the Wine tests: Xvfb's own Xinerama puts every screen at
 * 0, 0, so a test runs one wide Xvfb screen and has Wine (with UseXRandR N) split it into the
 * monitors this library reports. The heads come from ZV_XINERAMA_HEADS, "WxH+X+Y" each, comma
 * separated, the primary monitor first: e.g. "1024x768+0+0,800x600+1024+0".
 * Build: a shared library named libXinerama.so.1, put first on LD_LIBRARY_PATH. */
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>

typedef struct {
  int screen_number;
  short x_org, y_org, width, height;
} XineramaScreenInfo;

Bool XineramaQueryExtension(Display *display, int *event_base, int *error_base) {
  (void)display;
  *event_base = *error_base = 0;
  return True;
}

Status XineramaQueryVersion(Display *display, int *major, int *minor) {
  (void)display;
  *major = 1;
  *minor = 1;
  return 1;
}

Bool XineramaIsActive(Display *display) {
  (void)display;
  return True;
}

/* Freed by the caller with XFree, which is free. */
XineramaScreenInfo *XineramaQueryScreens(Display *display, int *count) {
  const char *heads = getenv("ZV_XINERAMA_HEADS");
  XineramaScreenInfo *screens = calloc(16, sizeof *screens);
  int n = 0, used = 0, w, h, x, y;
  (void)display;
  while (heads && n < 16 && sscanf(heads, "%dx%d+%d+%d%n", &w, &h, &x, &y, &used) == 4) {
    screens[n] = (XineramaScreenInfo){n, (short)x, (short)y, (short)w, (short)h};
    ++n;
    heads += used;
    if (*heads != ',') break;
    ++heads;
  }
  *count = n;
  return screens;
}
