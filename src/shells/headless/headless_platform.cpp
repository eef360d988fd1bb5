#include "shells/headless/headless_platform.h"

namespace zv::headless {

void HeadlessProcess::End() {
  ended = true;
  throw ProcessEnded{};
}

std::string MemorySettingsStore::Path(std::string_view app, std::string_view section, std::string_view key) {
  return std::string(app) + "\\" + std::string(section) + "\\" + std::string(key);
}

std::string MemorySettingsStore::ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                                             int16 defaultValue) {
  const std::string path = Path(app, section, key);
  auto found = values.find(path);
  if (found == values.end() || unreadable.count(path) || found->second.size() > platform::kMaxSettingText)
    return std::to_string(defaultValue);
  return found->second;
}

void MemorySettingsStore::WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                                       std::string_view text) {
  const std::string path = Path(app, section, key);
  values[path] = std::string(text);
  unreadable.erase(path);
  writes.emplace_back(path, std::string(text));
}

std::optional<std::string> MemorySettingsStore::Stored(std::string_view key) const {
  auto found = values.find(Path("Zorvalite", "Options", key));
  if (found == values.end()) return std::nullopt;
  return found->second;
}

void HeadlessSystem::SetScreenSaveActive(bool active) {
  screenSaveActive = active;
  screenSaveActiveCalls.push_back(active);
}

HeadlessPlatform::HeadlessPlatform(RandomSource& random, SaverWindowOptions options)
    : saverOptions(std::move(options)), random_(random) {}

std::unique_ptr<platform::SaverWindow> HeadlessPlatform::CreateSaverWindow(platform::SaverWindowEvents& events) {
  auto window = std::make_unique<HeadlessSaverWindow>(events, saverOptions);
  for (const InputEvent& event : pendingInput) window->Schedule(event);
  pendingInput.clear();
  saverWindow = window.get();
  ++saverWindowsCreated;
  return window;
}

std::unique_ptr<platform::ConfigWindow> HeadlessPlatform::CreateConfigWindow(platform::ConfigWindowEvents& events) {
  auto window = std::make_unique<HeadlessConfigWindow>(events);
  configWindow = window.get();
  ++configWindowsCreated;
  return window;
}

}  // namespace zv::headless
