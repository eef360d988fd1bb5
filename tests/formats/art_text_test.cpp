#include "formats/art_text.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace zv::formats {
namespace {

TEST(ArtText, RejectsRaggedRowsAndForeignCharacters) {
  EXPECT_EQ(ParseArtText("# comment\nX.\n.X\n", "X.").Height(), 2);
  EXPECT_THROW(ParseArtText("X.\nX\n", "X."), std::runtime_error);
  EXPECT_THROW(ParseArtText("X.\nXo\n", "X."), std::runtime_error);
}

}  // namespace
}  // namespace zv::formats
