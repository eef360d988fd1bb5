#pragma once
#include <string_view>

#include "platform/settings_store.h"
#include "settings/globals.h"

namespace zv {

inline constexpr std::string_view kSettingsApp = "Zorvalite";
inline constexpr std::string_view kSettingsSection = "Options";
inline constexpr std::string_view kLevelKey = "Level";
inline constexpr std::string_view kSpecKey = "Spec";
inline constexpr int16 kDefaultLevel = 301;
inline constexpr int16 kDefaultSpec = 0;

// Reads Level into ProbDenominator, then Spec into SpecClass. A stored text that is not a
// 16-bit number reads as absent: its default applies, and the store is left as it is until
// the dialog's OK writes a good value over it.
void LoadSettings(platform::SettingsSource& store, Globals& globals);

// Writes Level, then Spec, both always, as decimal text.
void SaveSettings(platform::SettingsStore& store, const Globals& globals);

// The conversion LoadSettings applies to one stored text.
int16 SettingValue(std::string_view text, int16 defaultValue);

}  // namespace zv
