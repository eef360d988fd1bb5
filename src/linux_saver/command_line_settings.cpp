#include "linux_saver/command_line_settings.h"

namespace zv::linux_saver {

std::string CommandLineSettings::ReadSetting(std::string_view, std::string_view, std::string_view key,
                                             int16 defaultValue) {
  if (key == kLevelKey) return std::to_string(level_);
  if (key == kSpecKey) return std::to_string(spec_);
  return std::to_string(defaultValue);
}

}  // namespace zv::linux_saver
