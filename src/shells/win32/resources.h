#pragma once
#include <windows.h>

#include <string>

namespace zv::win32 {

// The resources of this program, all built into the executable. A text that cannot be loaded is
// a fault of the build, raised as std::runtime_error (reported as Internal error). A picture may
// fail to load where the build is sound: Wine's wow64 mode loads no icon and no bitmap for a
// 32-bit program (and shows nothing it draws). Then the icon is null, the window class takes
// the system's default, and the bitmap is null, the art box stays empty.
std::wstring LoadText(unsigned id);
HICON LoadProgramIcon();
// A glyph bitmap as a DIB section, or null; the caller deletes it.
HBITMAP LoadArtBitmap(int id);

}  // namespace zv::win32
