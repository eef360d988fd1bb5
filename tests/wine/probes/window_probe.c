/* Asks Windows itself (under Wine) about a top-level window of another process, by its exact
 * title, and prints what X cannot tell: the client area, the owner, the focused control, the
 * close box and every child control. UTF-8 output, one fact a line:
 *
 *   cursor 0|1                  whether the cursor shows, as GetCursorInfo reports it for the
 *                               foreground window's thread (printed even when no window has the
 *                               title): what Wine decides, where it cannot draw the cursor's image
 *   count N                     top-level windows with this title
 *   client W H                  client area size in pixels
 *   origin X Y                  screen position of the client area's top-left corner
 *   owner 0|1  parent 0|1       whether the window has an owner or a parent
 *   style minbox 0|1 maxbox 0|1 sizable 0|1 sysmenu 0|1
 *   focus ID                    control id of the focused control of the window's thread (0: none)
 *   closebox X Y                a screen point on the close box
 *   control ID CLASS X Y W H STYLE CHECK TEXT
 *                               per child, in Z order (= tab order); X Y in the client area; CHECK
 *                               is BM_GETCHECK for buttons, - for other controls
 *
 * Built by the Windows presets (tests/wine/probes/CMakeLists.txt).
 * Usage: wine64 window_probe.exe TITLE      (exit 1 when no such window)
 */
#include <limits.h>
#include <stdio.h>
#include <string.h>
#include <windows.h>

static const wchar_t* g_title;
static HWND g_found;
static int g_count;

static void Print(const wchar_t* text) {
  char utf8[1024];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, NULL, NULL);
  if (n > 0) fputs(utf8, stdout);
}

static BOOL CALLBACK CountTitled(HWND hwnd, LPARAM unused) {
  wchar_t title[256];
  (void)unused;
  if (IsWindowVisible(hwnd) && GetWindowTextW(hwnd, title, 256) && wcscmp(title, g_title) == 0) {
    if (!g_found) g_found = hwnd;
    ++g_count;
  }
  return TRUE;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    fputs("usage: window_probe TITLE\n", stderr);
    return 2;
  }
  g_title = argv[1];
  CURSORINFO cursor = {.cbSize = sizeof cursor};
  printf("cursor %d\n", GetCursorInfo(&cursor) && (cursor.flags & CURSOR_SHOWING) != 0);
  EnumWindows(CountTitled, 0);
  printf("count %d\n", g_count);
  if (!g_found) return 1;
  HWND window = g_found;

  RECT client;
  GetClientRect(window, &client);
  printf("client %ld %ld\n", client.right, client.bottom);
  POINT origin = {0, 0};
  ClientToScreen(window, &origin);
  printf("origin %ld %ld\n", origin.x, origin.y);
  printf("owner %d parent %d\n", GetWindow(window, GW_OWNER) != NULL, GetAncestor(window, GA_PARENT) != GetDesktopWindow());
  LONG style = GetWindowLongW(window, GWL_STYLE);
  printf("style minbox %d maxbox %d sizable %d sysmenu %d\n", (style & WS_MINIMIZEBOX) != 0,
         (style & WS_MAXIMIZEBOX) != 0, (style & WS_THICKFRAME) != 0, (style & WS_SYSMENU) != 0);

  GUITHREADINFO info;
  memset(&info, 0, sizeof info);
  info.cbSize = sizeof info;
  DWORD thread = GetWindowThreadProcessId(window, NULL);
  int focus = GetGUIThreadInfo(thread, &info) && info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0;
  printf("focus %d\n", focus);

  /* The close box: the middle of the run of points the window calls HTCLOSE across the middle
   * of the title bar, then down through that point. */
  RECT frame;
  GetWindowRect(window, &frame);
  LONG left = LONG_MAX, right = LONG_MIN, top = LONG_MAX, bottom = LONG_MIN;
  const LONG middle = (frame.top + origin.y) / 2;
  for (LONG x = frame.left; x < frame.right; ++x) {
    if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, middle)) != HTCLOSE) continue;
    if (x < left) left = x;
    if (x > right) right = x;
  }
  if (left <= right) {
    for (LONG y = frame.top; y < origin.y; ++y) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM((left + right) / 2, y)) != HTCLOSE) continue;
      if (y < top) top = y;
      if (y > bottom) bottom = y;
    }
    printf("closebox %ld %ld\n", (left + right) / 2, (top + bottom) / 2);
  }

  for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    wchar_t className[64], text[256];
    RECT r;
    GetClassNameW(child, className, 64);
    GetWindowRect(child, &r);
    MapWindowPoints(NULL, window, (POINT*)&r, 2);
    text[0] = 0;
    GetWindowTextW(child, text, 256);
    printf("control %d ", GetDlgCtrlID(child));
    Print(className);
    printf(" %ld %ld %ld %ld 0x%08lx ", r.left, r.top, r.right - r.left, r.bottom - r.top,
           (unsigned long)GetWindowLongW(child, GWL_STYLE));
    if (wcscmp(className, L"Button") == 0) {
      printf("%d ", (int)SendMessageW(child, BM_GETCHECK, 0, 0));
    } else {
      printf("- ");
    }
    Print(text);
    printf("\n");
  }
  return 0;
}
