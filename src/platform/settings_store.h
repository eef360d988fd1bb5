#pragma once
#include <string>
#include <string_view>

#include "runtime/int16.h"

namespace zv::platform {

// Where a saver run reads its settings: one string value per application, section and key.
class SettingsSource {
 public:
  virtual ~SettingsSource() = default;
  // The text stored under the key, or the decimal text of `defaultValue` when the
  // application, section or key is absent, or when the stored value is unusable as text
  // (wrong value type, absurdly long). Never writes.
  virtual std::string ReadSetting(std::string_view app, std::string_view section, std::string_view key,
                                  int16 defaultValue) = 0;
};

// The per-user settings store, which the dialog also writes.
class SettingsStore : public SettingsSource {
 public:
  // Stores the text, creating application, section and key as needed.
  virtual void WriteSetting(std::string_view app, std::string_view section, std::string_view key,
                            std::string_view text) = 0;
};

// Values longer than this are not a setting this program wrote: they read as absent.
inline constexpr std::size_t kMaxSettingText = 64;

}  // namespace zv::platform
