#include "shells/web/web_platform.h"

#include <charconv>

#include "runtime/numeric_text.h"
#include "shells/web/page.h"

namespace zv::web {
namespace {

// ?seed=N, a hook of the page's tests: the run's reseeds mix N with their count instead of the
// clock, so every run of that seed draws the same numbers. Anything else is no seed.
ClockSeededRandom::Clock RandomClock() {
  const std::optional<std::string> text = page::QueryText("seed");
  std::uint64_t seed = 0;
  const char* end = text ? text->data() + text->size() : nullptr;
  if (!text || text->empty() || std::from_chars(text->data(), end, seed).ptr != end)
    return ClockSeededRandom::HighResolutionTicks;
  return [seed, reseeds = std::uint64_t{0}]() mutable { return seed * 0x9E3779B97F4A7C15ull + reseeds++; };
}

}  // namespace

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

WebPlatform::WebPlatform() : random_(RandomClock()) {}

std::unique_ptr<platform::SaverWindow> WebPlatform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  auto window = std::make_unique<WebSaverWindow>(events);
  saverWindow_ = window.get();
  return window;
}

}  // namespace zv::web
