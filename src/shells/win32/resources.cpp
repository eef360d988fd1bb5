#include "shells/win32/resources.h"

#include <stdexcept>

#include "resource_ids.h"

namespace zv::win32 {
namespace {

[[noreturn]] void Missing(const char* kind, unsigned id) {
  throw std::runtime_error(std::string("cannot load ") + kind + " resource " + std::to_string(id));
}

}  // namespace

std::wstring LoadText(unsigned id) {
  const wchar_t* text = nullptr;
  const int length = LoadStringW(GetModuleHandleW(nullptr), id, reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0) Missing("string", id);
  return std::wstring(text, static_cast<std::size_t>(length));
}

HICON LoadProgramIcon() {
  HICON icon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
  if (!icon) Missing("icon", IDI_PROGRAM);
  return icon;
}

HBITMAP LoadArtBitmap(int id) {
  auto* bitmap = static_cast<HBITMAP>(
      LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
  if (!bitmap) Missing("bitmap", static_cast<unsigned>(id));
  return bitmap;
}

}  // namespace zv::win32
