#include "runtime/int16.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace zv {
namespace {

ErrorNumber ErrorOf(auto&& operation) {
  try {
    operation();
  } catch (const RuntimeError& error) {
    return error.Number();
  }
  ADD_FAILURE() << "no run-time error raised";
  return ErrorNumber{};
}

TEST(CheckedArithmetic, ResultsAtTheLimitsFit) {
  EXPECT_EQ(Add(32766, 1), 32767);
  EXPECT_EQ(Add(-32767, -1), -32768);
  EXPECT_EQ(Sub(-32767, 1), -32768);
  EXPECT_EQ(Sub(0, 32767), -32767);
  EXPECT_EQ(Mul(-128, 256), -32768);
  EXPECT_EQ(Mul(181, 181), 32761);
}

TEST(CheckedArithmetic, ResultsPastTheLimitsOverflowInsteadOfWrapping) {
  EXPECT_EQ(ErrorOf([] { Add(32767, 1); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { Add(-32768, -1); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { Sub(-32768, 1); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { Sub(0, -32768); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { Mul(128, 256); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { Mul(-1, -32768); }), ErrorNumber::Overflow);
}

TEST(CInt, RoundsHalvesToTheEvenNeighbour) {
  EXPECT_EQ(CInt(0.5), 0);
  EXPECT_EQ(CInt(1.5), 2);
  EXPECT_EQ(CInt(2.5), 2);
  EXPECT_EQ(CInt(-0.5), 0);
  EXPECT_EQ(CInt(-1.5), -2);
  EXPECT_EQ(CInt(-2.5), -2);
  EXPECT_EQ(CInt(2.4999), 2);
  EXPECT_EQ(CInt(2.5001), 3);
}

TEST(CInt, RangeEndsFollowTheRounding) {
  EXPECT_EQ(CInt(32767.49), 32767);
  EXPECT_EQ(CInt(-32768.5), -32768);  // rounds to the even -32768
  EXPECT_EQ(ErrorOf([] { CInt(32767.5); }), ErrorNumber::Overflow);   // rounds to 32768
  EXPECT_EQ(ErrorOf([] { CInt(-32769.0); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { CInt(std::nan("")); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { CInt(std::numeric_limits<double>::infinity()); }), ErrorNumber::Overflow);
}

TEST(CByte, AcceptsOnlyZeroTo255) {
  EXPECT_EQ(CByte(0), 0);
  EXPECT_EQ(CByte(255), 255);
  EXPECT_EQ(ErrorOf([] { CByte(256); }), ErrorNumber::Overflow);
  EXPECT_EQ(ErrorOf([] { CByte(-1); }), ErrorNumber::Overflow);
}

TEST(IntOf, TakesTheFloor) {
  EXPECT_EQ(IntOf(2.99f), 2);
  EXPECT_EQ(IntOf(-0.5f), -1);
  EXPECT_EQ(IntOf(-3.0f), -3);
  EXPECT_EQ(ErrorOf([] { IntOf(32768.0f); }), ErrorNumber::Overflow);
}

TEST(RuntimeErrorReport, NamesTheNumberAndTheError) {
  EXPECT_EQ(RuntimeError(ErrorNumber::Overflow).Report(), "Run-time error '6':\n\nOverflow");
  EXPECT_EQ(RuntimeError(ErrorNumber::SubscriptOutOfRange).Report(), "Run-time error '9':\n\nSubscript out of range");
  EXPECT_EQ(RuntimeError(ErrorNumber::TypeMismatch).Report(), "Run-time error '13':\n\nType mismatch");
}

}  // namespace
}  // namespace zv
