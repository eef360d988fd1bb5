#include "shells/win32/resources.h"

#include <stdexcept>

#include "resource_ids.h"

namespace zv::win32 {
namespace {

// Reported as Internal error, as every fault below the program's own checks is.
[[noreturn]] void Missing() { throw std::runtime_error("a resource of the program is missing"); }

}  // namespace

std::wstring LoadText(unsigned id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0) Missing();
  return std::wstring(text, static_cast<std::size_t>(length));
}

HICON LoadProgramIcon() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
  if (!icon) Missing();
  return icon;
}

HBITMAP LoadArtBitmap(int id) {
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) Missing();
  return bitmap;
}

}  // namespace zv::win32
