#include "runtime/table_fill.h"

#include <gtest/gtest.h>

#include <array>

namespace zv {
namespace {

TEST(FillTable, CopiesAtTheRunningCursorAcrossCalls) {
  std::array<int16, 5> table{};
  int16 cursor = 0;
  FillIntegerTable(table, cursor, {1, -2});
  FillIntegerTable(table, cursor, {3, 32767});
  EXPECT_EQ(cursor, 4);
  EXPECT_EQ(table, (std::array<int16, 5>{1, -2, 3, 32767, 0}));
}

TEST(FillTable, AWriteBeyondTheTableIsSubscriptOutOfRangeAndKeepsWhatWasWritten) {
  std::array<byte, 2> table{};
  int16 cursor = 0;
  try {
    FillByteTable(table, cursor, {7, 8, 9});
    FAIL() << "no error";
  } catch (const RuntimeError& error) {
    EXPECT_EQ(error.Number(), ErrorNumber::SubscriptOutOfRange);
  }
  EXPECT_EQ(table, (std::array<byte, 2>{7, 8}));
  EXPECT_EQ(cursor, 2);
}

TEST(FillTable, AValueThatDoesNotFitTheElementOverflows) {
  std::array<byte, 2> bytes{};
  int16 cursor = 0;
  EXPECT_THROW(FillByteTable(bytes, cursor, {256}), RuntimeError);
  std::array<int16, 2> integers{};
  cursor = 0;
  EXPECT_THROW(FillIntegerTable(integers, cursor, {-32769}), RuntimeError);
  EXPECT_EQ(cursor, 0);
}

TEST(FillTable, ANegativeCursorIsSubscriptOutOfRange) {
  std::array<int16, 2> table{};
  int16 cursor = -1;
  EXPECT_THROW(FillIntegerTable(table, cursor, {1}), RuntimeError);
}

TEST(At, ReadsInsideAndRefusesOutside) {
  const std::array<int16, 3> table{4, 5, 6};
  std::span<const int16> view(table);
  EXPECT_EQ(At(view, 0), 4);
  EXPECT_EQ(At(view, 2), 6);
  EXPECT_THROW(At(view, 3), RuntimeError);
  EXPECT_THROW(At(view, -1), RuntimeError);
}

}  // namespace
}  // namespace zv
