#include <windows.h>

#include "shells/win32/win32_platform.h"
#include "startup/md_saver.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  zv::win32::Win32Platform platform;
  zv::RunProgram(platform);
  return 0;
}
