#include "settings/settings.h"

#include <string>

#include "runtime/numeric_text.h"

namespace zv {

int16 SettingValue(std::string_view text, int16 defaultValue) {
  try {
    return TextToInteger16(text);
  } catch (const RuntimeError&) {
    // A value the conversion refuses would otherwise stop every later start, saver and
    // dialog alike, until someone edits the store by hand.
    return defaultValue;
  }
}

void LoadSettings(platform::SettingsSource& store, Globals& globals) {
  globals.ProbDenominator =
      SettingValue(store.ReadSetting(kSettingsApp, kSettingsSection, kLevelKey, kDefaultLevel), kDefaultLevel);
  globals.SpecClass =
      SettingValue(store.ReadSetting(kSettingsApp, kSettingsSection, kSpecKey, kDefaultSpec), kDefaultSpec);
}

void SaveSettings(platform::SettingsStore& store, const Globals& globals) {
  store.WriteSetting(kSettingsApp, kSettingsSection, kLevelKey, std::to_string(globals.ProbDenominator));
  store.WriteSetting(kSettingsApp, kSettingsSection, kSpecKey, std::to_string(globals.SpecClass));
}

}  // namespace zv
