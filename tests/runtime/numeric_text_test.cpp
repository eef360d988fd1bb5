#include "runtime/numeric_text.h"

#include <gtest/gtest.h>

#include <string>

namespace zv {
namespace {

ErrorNumber ErrorOf(std::string_view text) {
  try {
    int16 value = TextToInteger16(text);
    ADD_FAILURE() << "'" << text << "' converted to " << value;
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  return ErrorNumber{};
}

TEST(TextToInteger16, ConvertsDecimalTextWithSignAndBlanks) {
  EXPECT_EQ(TextToInteger16("301"), 301);
  EXPECT_EQ(TextToInteger16("0"), 0);
  EXPECT_EQ(TextToInteger16("-5"), -5);
  EXPECT_EQ(TextToInteger16("+7"), 7);
  EXPECT_EQ(TextToInteger16("  30 "), 30);
  EXPECT_EQ(TextToInteger16("\t2"), 2);
  EXPECT_EQ(TextToInteger16("007"), 7);
  EXPECT_EQ(TextToInteger16("32767"), 32767);
  EXPECT_EQ(TextToInteger16("-32768"), -32768);
}

TEST(TextToInteger16, RoundsAFractionHalfToEven) {
  EXPECT_EQ(TextToInteger16("2.5"), 2);
  EXPECT_EQ(TextToInteger16("3.5"), 4);
  EXPECT_EQ(TextToInteger16("-2.5"), -2);
  EXPECT_EQ(TextToInteger16("2.51"), 3);
  EXPECT_EQ(TextToInteger16("7."), 7);
  EXPECT_EQ(TextToInteger16(".4"), 0);
}

TEST(TextToInteger16, TextThatIsNotANumberIsATypeMismatch) {
  for (const char* text : {"", " ", "abc", "12abc", "1 2", "-", "+", ".", "--1", "0x10"})
    EXPECT_EQ(ErrorOf(text), ErrorNumber::TypeMismatch) << "'" << text << "'";
}

TEST(TextToInteger16, NumbersOutsideSixteenBitsOverflow) {
  EXPECT_EQ(ErrorOf("32768"), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf("-32769"), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf("32767.5"), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf("99999999999999999999999999999999999999999"), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf(std::string(5000, '9')), ErrorNumber::Overflow);
}

TEST(TextToInteger16, LeadingZerosDoNotCountTowardsTheSize) {
  EXPECT_EQ(TextToInteger16(std::string(200, '0') + "12"), 12);
}

}  // namespace
}  // namespace zv
