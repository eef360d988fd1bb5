#include "runtime/numeric_text.h"

#include <cstdlib>
#include <string>

namespace zv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int16 TextToInteger16(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  const std::string s(text.substr(begin, end - begin));

  // The accepted form: optional sign, digits, optional fractional part, at least one digit.
  std::size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  std::size_t digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  if (i < s.size() && s[i] == '.')
    for (++i; i < s.size() && IsDigit(s[i]); ++i) ++digits;
  if (digits == 0 || i != s.size()) throw RuntimeError(ErrorNumber::TypeMismatch);
  // Validated above, so strtod reads exactly this text; huge values come back as huge or
  // infinite and fail the range check as Overflow.
  return CInt(std::strtod(s.c_str(), nullptr));
}

}  // namespace zv
