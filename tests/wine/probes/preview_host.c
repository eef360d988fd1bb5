/* A stand-in for the screen-saver settings page: a window holding a 152 x 112 child that clips
 * its children (the page's little monitor), whose handle it gives a screen saver to preview in,
 * as the page does. It reports, one fact a line:
 *
 *   area HANDLE        the little monitor's handle, in decimal
 *   preview PID        the process started as "SCR /p HANDLE"
 *   -- 2.5 s later:
 *   running 0|1        whether that process still runs
 *   child W H          the client area of each visible child window of the little monitor that
 *                      belongs to that process
 *   children N         how many there are
 *   ready              it now waits for STOP_FILE to appear
 *   -- once it has:
 *   running 0|1        whether the preview still runs, just before the host goes
 *   destroy_ms T       how long DestroyWindow of the host's window took (Wine withdraws it first)
 *   ended_ms T         when the preview's process ended, from the DestroyWindow call (-1: it did
 *                      not end within 10 s, and was then terminated)
 *   exit CODE          its exit code
 *
 * Build: x86_64-w64-mingw32-gcc -municode -o preview_host.exe preview_host.c
 * Usage: wine64 preview_host.exe SCR STOP_FILE      (exit 1 when the preview cannot be started)
 */
#include <fcntl.h>
#include <io.h>
#include <stdio.h>
#include <windows.h>

static double NowMs(void) {
  LARGE_INTEGER count, frequency;
  QueryPerformanceCounter(&count);
  QueryPerformanceFrequency(&frequency);
  return (double)count.QuadPart * 1000.0 / (double)frequency.QuadPart;
}

/* Delivers the thread's messages for `ms` milliseconds, or until `process` ends (when given). */
static void Pump(double ms, HANDLE process) {
  const double end = NowMs() + ms;
  for (double now = NowMs(); now < end; now = NowMs()) {
    MSG msg;
    DWORD wait = MsgWaitForMultipleObjects(process ? 1 : 0, &process, FALSE, (DWORD)(end - now) + 1, QS_ALLINPUT);
    if (process && wait == WAIT_OBJECT_0) return;
    while (PeekMessageW(&msg, NULL, 0, 0, PM_REMOVE)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
  }
}

static BOOL Running(HANDLE process) { return WaitForSingleObject(process, 0) == WAIT_TIMEOUT; }

int wmain(int argc, wchar_t** argv) {
  if (argc != 3) {
    fputs("usage: preview_host SCR STOP_FILE\n", stderr);
    return 2;
  }
  /* Lines end in \n alone, each written at once: the test reads them as they come. */
  _setmode(_fileno(stdout), _O_BINARY);
  setvbuf(stdout, NULL, _IONBF, 0);
  HINSTANCE instance = GetModuleHandleW(NULL);
  WNDCLASSW windowClass = {0};
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = instance;
  windowClass.hCursor = LoadCursorW(NULL, (LPCWSTR)IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"ZorvalitePreviewHost";
  RegisterClassW(&windowClass);
  HWND host = CreateWindowExW(0, windowClass.lpszClassName, L"Zorvalite preview host", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                              40, 40, 320, 240, NULL, NULL, instance, NULL);
  HWND area = CreateWindowExW(0, windowClass.lpszClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 20, 20, 152,
                              112, host, NULL, instance, NULL);
  if (!host || !area) {
    fputs("preview_host: cannot create its windows\n", stderr);
    return 1;
  }
  printf("area %lu\n", (unsigned long)(UINT_PTR)area);

  wchar_t line[2 * MAX_PATH];
  _snwprintf(line, sizeof line / sizeof *line, L"\"%ls\" /p %lu", argv[1], (unsigned long)(UINT_PTR)area);
  STARTUPINFOW startup = {0};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION preview;
  if (!CreateProcessW(NULL, line, NULL, NULL, FALSE, 0, NULL, NULL, &startup, &preview)) {
    fprintf(stderr, "preview_host: cannot start the preview (error %lu)\n", GetLastError());
    return 1;
  }
  printf("preview %lu\n", preview.dwProcessId);

  Pump(2500, NULL);
  printf("running %d\n", Running(preview.hProcess));
  int children = 0;
  for (HWND child = FindWindowExW(area, NULL, NULL, NULL); child; child = FindWindowExW(area, child, NULL, NULL)) {
    DWORD owner = 0;
    RECT client;
    GetWindowThreadProcessId(child, &owner);
    if (owner != preview.dwProcessId || !IsWindowVisible(child)) continue;
    GetClientRect(child, &client);
    printf("child %ld %ld\n", client.right - client.left, client.bottom - client.top);
    ++children;
  }
  printf("children %d\n", children);

  printf("ready\n");
  while (GetFileAttributesW(argv[2]) == INVALID_FILE_ATTRIBUTES) Pump(50, NULL);

  printf("running %d\n", Running(preview.hProcess));
  const double destroyed = NowMs();
  DestroyWindow(host);
  printf("destroy_ms %.0f\n", NowMs() - destroyed);
  Pump(10000, preview.hProcess);
  if (Running(preview.hProcess)) {
    printf("ended_ms -1\n");
    TerminateProcess(preview.hProcess, 124);
    WaitForSingleObject(preview.hProcess, INFINITE);
  } else {
    printf("ended_ms %.0f\n", NowMs() - destroyed);
  }
  DWORD code = 0;
  GetExitCodeProcess(preview.hProcess, &code);
  printf("exit %lu\n", code);
  return 0;
}
