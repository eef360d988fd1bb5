#include "shells/win32/win32_platform.h"

#include "shells/win32/resources.h"
#include "shells/win32/text.h"
#include "shells/win32/win32_config_window.h"
#include "shells/win32/win32_saver_window.h"
#include "shells/win32/window.h"
#include "version.h"

namespace zv::win32 {
namespace {

const wchar_t kTitle[] = L"" ZV_APP_TITLE;

std::wstring SettingsKey(std::string_view app, std::string_view section) {
  return L"Software\\" + Widen(app) + L"\\" + Widen(section);
}

}  // namespace

std::string Win32Process::CommandLineArguments() {
  const wchar_t* line = GetCommandLineW();
  // Skip the program path, quoted or not, and the blanks after it.
  if (*line == L'"') {
    ++line;
    while (*line && *line != L'"') ++line;
    if (*line) ++line;
  } else {
    while (*line && *line != L' ' && *line != L'\t') ++line;
  }
  while (*line == L' ' || *line == L'\t') ++line;
  return Narrow(line);
}

bool Win32Process::AnotherInstanceRunning() {
  // The mutex lives as long as the process; the system frees it when the process ends.
  static HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Zorvalite.SingleInstance");
  static const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  (void)mutex;
  return existed;
}

void Win32Process::ShowMessage(platform::TextId text) {
  MessageBoxW(nullptr, LoadText(static_cast<unsigned>(text)).c_str(), kTitle, MB_OK);
}

void Win32Process::ReportRuntimeError(const RuntimeError& error, const platform::SaverWindow* owner) {
  Window::StopHandlers();
  // Every saver window of this shell is a Win32SaverWindow.
  HWND ownerWindow = owner ? static_cast<const Win32SaverWindow*>(owner)->Hwnd() : nullptr;
  MessageBoxW(ownerWindow, Widen(error.Report()).c_str(), kTitle, MB_OK | MB_ICONERROR);
}

void Win32Process::End() { ExitProcess(0); }

std::string RegistrySettingsStore::ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                                               int16 defaultValue) {
  std::string fallback = std::to_string(defaultValue);
  HKEY hkey = nullptr;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0, KEY_QUERY_VALUE, &hkey) != ERROR_SUCCESS)
    return fallback;
  wchar_t buffer[platform::kMaxSettingText + 2] = {};
  DWORD type = 0;
  // The longest text we read, with its terminator; one more character is kept for a
  // terminator the store may lack.
  DWORD size = sizeof buffer - sizeof(wchar_t);
  LONG result = RegQueryValueExW(hkey, Widen(key).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
  RegCloseKey(hkey);
  // A value of another type, or one too long to be ours, reads as absent.
  if (result != ERROR_SUCCESS || type != REG_SZ) return fallback;
  std::wstring_view text(buffer, size / sizeof(wchar_t));
  while (!text.empty() && text.back() == L'\0') text.remove_suffix(1);
  if (text.size() > platform::kMaxSettingText) return fallback;
  return Narrow(text);
}

void RegistrySettingsStore::WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                                         std::string_view text) {
  HKEY hkey = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, SettingsKey(app, section).c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                      &hkey, nullptr) != ERROR_SUCCESS)
    return;
  std::wstring value = Widen(text);
  RegSetValueExW(hkey, Widen(key).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                 static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
  RegCloseKey(hkey);
}

void Win32SystemParameters::ShowCursor(bool show) { ::ShowCursor(show ? TRUE : FALSE); }

void Win32SystemParameters::SetScreenSaveActive(bool active) {
  char empty[] = "";
  SystemParametersInfoA(SPI_SETSCREENSAVEACTIVE, active ? static_cast<UINT>(-1) : 0, empty, 0);
  // Under Wine the change is an X request that stays buffered; the unload ends the process
  // right after it, which would drop the restored setting. Reading it back sends it.
  ScreenSaveActive();
}

bool Win32SystemParameters::ScreenSaveActive() {
  BOOL active = FALSE;
  SystemParametersInfoA(SPI_GETSCREENSAVEACTIVE, 0, &active, 0);
  return active != FALSE;
}

std::unique_ptr<platform::SaverWindow> Win32Platform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<Win32SaverWindow>(events);
}

std::unique_ptr<platform::ConfigWindow> Win32Platform::CreateConfigWindow(platform::ConfigWindowEvents& events) {
  return std::make_unique<Win32ConfigWindow>(events, process_);
}

void Win32Platform::RunMessageLoop() {
  // Only the dialog run gets here; its window posts the quit message when it is destroyed.
  MSG msg;
  while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (Win32ConfigWindow::PreTranslate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

}  // namespace zv::win32
