#pragma once
#include <windows.h>

#include <string>

namespace zv::win32 {

// The resources of this program. Each is built into the executable; one that cannot be loaded
// is a fault of the build, raised as std::runtime_error (reported as Internal error).
std::wstring LoadText(unsigned id);
HICON LoadProgramIcon();
// A glyph bitmap as a DIB section; the caller deletes it.
HBITMAP LoadArtBitmap(int id);

}  // namespace zv::win32
