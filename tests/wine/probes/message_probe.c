/* Does to a top-level window of another process, found by its exact title, what the system does
 * when it closes the window or ends the session, and prints what the window answered:
 *
 *   close            posts WM_CLOSE                                       prints "posted"
 *   session-end      sends WM_QUERYENDSESSION, then WM_ENDSESSION(TRUE)   prints "query N", "end"
 *   session-cancel   sends WM_QUERYENDSESSION, then WM_ENDSESSION(FALSE)  prints "query N", "cancel"
 *
 * N is the window's answer to the query (non-zero: it lets the session end). A window may end its
 * process while it handles WM_ENDSESSION; the send then comes back without an answer, which is
 * not an error here.
 *
 * Built by the Windows presets (tests/wine/probes/CMakeLists.txt).
 * Usage: wine64 message_probe.exe TITLE ACTION    (exit 1 when no such window)
 */
#include <stdio.h>
#include <string.h>
#include <windows.h>

static LRESULT Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 5000, &answer);
  return (LRESULT)answer;
}

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fputs("usage: message_probe TITLE close|session-end|session-cancel\n", stderr);
    return 2;
  }
  HWND window = FindWindowW(NULL, argv[1]);
  if (!window) {
    fputs("no such window\n", stderr);
    return 1;
  }
  if (wcscmp(argv[2], L"close") == 0) {
    if (!PostMessageW(window, WM_CLOSE, 0, 0)) return 1;
    puts("posted");
  } else if (wcscmp(argv[2], L"session-end") == 0 || wcscmp(argv[2], L"session-cancel") == 0) {
    const BOOL ending = wcscmp(argv[2], L"session-end") == 0;
    printf("query %ld\n", (long)Send(window, WM_QUERYENDSESSION, 0, 0));
    fflush(stdout);
    Send(window, WM_ENDSESSION, ending, 0);
    puts(ending ? "end" : "cancel");
  } else {
    fputs("unknown action\n", stderr);
    return 2;
  }
  return 0;
}
