#include "runtime/numeric_text.h"

#include <cmath>

namespace zv {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int16 TextToInteger16(std::string_view text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  std::string_view s = text.substr(begin, end - begin);

  std::size_t i = 0;
  bool negative = false;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';

  // Accumulate in double; stop growing once far beyond the 16-bit range so that
  // arbitrarily long digit strings still end in Overflow, not in infinity.
  double value = 0;
  std::size_t digits = 0;
  for (; i < s.size() && IsDigit(s[i]); ++i, ++digits)
    if (value < 1e9) value = value * 10 + (s[i] - '0');
  if (i < s.size() && s[i] == '.') {
    ++i;
    double scale = 0.1;
    for (; i < s.size() && IsDigit(s[i]); ++i, ++digits, scale /= 10) value += (s[i] - '0') * scale;
  }
  if (digits == 0 || i != s.size()) throw RuntimeError(ErrorNumber::TypeMismatch);
  return CInt(negative ? -value : value);
}

}  // namespace zv
