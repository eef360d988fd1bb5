// Any stored text must land on a defined outcome: a 16-bit value that the text really denotes,
// or one of the two conversion errors; and the settings load never fails on it.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shells/headless/headless_platform.h"
#include "runtime/numeric_text.h"
#include "runtime/random_source.h"
#include "settings/settings.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

// An independent reading of the accepted form: blanks, sign, digits, optional fraction.
bool Reference(const std::string& text, double& value) {
  std::size_t b = text.find_first_not_of(" \t"), e = text.find_last_not_of(" \t");
  if (b == std::string::npos) return false;
  std::string s = text.substr(b, e - b + 1);
  std::size_t i = (s[0] == '+' || s[0] == '-') ? 1 : 0;
  std::size_t digits = 0, dot = 0;
  for (std::size_t k = i; k < s.size(); ++k) {
    if (s[k] >= '0' && s[k] <= '9') ++digits;
    else if (s[k] == '.' && ++dot == 1) continue;
    else return false;
  }
  if (digits == 0 || dot > 1) return false;
  value = std::strtod(s.c_str(), nullptr);
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  double expected = 0;
  const bool isNumber = Reference(text, expected);
  try {
    const zv::int16 value = zv::TextToInteger16(text);
    Check(isNumber);
    Check(std::fabs(value - expected) <= 0.5 + 1e-9);
  } catch (const zv::RuntimeError& error) {
    if (error.Number() == zv::ErrorNumber::TypeMismatch) Check(!isNumber);
    else Check(error.Number() == zv::ErrorNumber::Overflow && isNumber && std::fabs(expected) >= 32767.5 - 1);
  }

  zv::ClockSeededRandom random;
  zv::headless::HeadlessPlatform platform(random);
  platform.settings.values[platform.settings.Path("Zorvalite", "Options", "Level")] = text;
  zv::Globals globals;
  zv::LoadSettings(platform.settings, globals);  // must not throw
  Check(platform.settings.writes.empty());
  return 0;
}
