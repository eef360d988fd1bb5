#include "shells/web/web_platform.h"

#include "runtime/numeric_text.h"
#include "shells/web/page.h"

namespace zv::web {

std::string PageSettings::ReadSetting(std::string_view, std::string_view, std::string_view key, int16 defaultValue) {
  const std::string defaultText = std::to_string(defaultValue);
  const std::optional<std::string> text = page::SettingText(key);
  if (!text) {
    page::ShowSetting(key, defaultValue, "");
    return defaultText;
  }
  if (text->size() > platform::kMaxSettingText) {
    page::ShowSetting(key, defaultValue, "is too long; the default " + defaultText + " applies");
    return defaultText;
  }
  try {
    page::ShowSetting(key, TextToInteger16(*text), "");
  } catch (const RuntimeError&) {
    page::ShowSetting(key, defaultValue, "'" + *text + "' is no number from -32768 to 32767; the default " +
                                             defaultText + " applies");
  }
  return *text;
}

std::unique_ptr<platform::SaverWindow> WebPlatform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  return std::make_unique<WebSaverWindow>(events);
}

}  // namespace zv::web
