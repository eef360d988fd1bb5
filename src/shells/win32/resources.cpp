#include "shells/win32/resources.h"

#include <stdexcept>

#include "resource_ids.h"

namespace zv::win32 {

std::wstring LoadText(unsigned id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  // Reported as Internal error, as every fault below the program's own checks is.
  if (length <= 0) throw std::runtime_error("a text of the program is missing");
  return std::wstring(text, static_cast<std::size_t>(length));
}

HICON LoadProgramIcon() { return LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM)); }

HBITMAP LoadArtBitmap(int id) {
  return static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
}

}  // namespace zv::win32
