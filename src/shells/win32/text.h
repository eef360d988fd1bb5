#pragma once
#include <string>
#include <string_view>

namespace zv::win32 {

// The core speaks UTF-8; Windows is given UTF-16, so text shows whatever the code page.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);
// Text for an "A" function: the system's ANSI code page.
std::string ToAnsi(std::wstring_view utf16);

}  // namespace zv::win32
