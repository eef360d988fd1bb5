// The simulator's command line.
#include "tools/sim/sim_options.h"

#include <gtest/gtest.h>

namespace zv::sim {
namespace {

TEST(SimOptionsTest, ReadsEveryOption) {
  const SimOptions o = ParseSimOptions({"--seconds", "12.5", "--level=30", "--spec", "1", "--seed", "42", "--screen",
                                        "1280x1024", "--passes-per-ms", "3", "--trace", "--frames", "out",
                                        "--frame-at", "15", "--frame-limit", "7", "--no-fast-forward",
                                        "--jitter", "12.5", "--sleeping", "--scale", "3"});
  EXPECT_DOUBLE_EQ(o.run.seconds, 12.5);
  EXPECT_EQ(o.run.level, 30);
  EXPECT_EQ(o.run.spec, 1);
  EXPECT_EQ(o.run.seed, 42u);
  EXPECT_EQ(o.run.screenWidth, 1280);
  EXPECT_EQ(o.run.screenHeight, 1024);
  EXPECT_EQ(o.run.scale, 3);
  EXPECT_DOUBLE_EQ(o.run.passesPerMs, 3);
  EXPECT_FALSE(o.run.fastForward);
  EXPECT_DOUBLE_EQ(o.run.jitter, 0.125);
  EXPECT_TRUE(o.run.sleeping);
  EXPECT_TRUE(o.trace);
  ASSERT_TRUE(o.frames);
  EXPECT_EQ(o.frames->atState, Spin::Celebration);
  EXPECT_EQ(o.frames->limit, 7);
  EXPECT_FALSE(o.frames->everyMs);
  EXPECT_TRUE(o.run.paintDisplay) << "snapshots need the pixels";
}

TEST(SimOptionsTest, DefaultsMatchTheProgram) {
  const SimOptions o = ParseSimOptions({});
  EXPECT_EQ(o.run.level, 301);
  EXPECT_EQ(o.run.spec, 0);
  EXPECT_EQ(o.run.screenWidth, 1024);
  EXPECT_EQ(o.run.screenHeight, 768);
  EXPECT_EQ(o.run.scale, 1);
  EXPECT_DOUBLE_EQ(o.run.passesPerMs, 24);
  EXPECT_TRUE(o.run.fastForward);
  EXPECT_DOUBLE_EQ(o.run.jitter, 0.2) << "timers arrive with jitter, as real ones do";
  EXPECT_FALSE(o.run.sleeping);
  EXPECT_FALSE(o.run.seed);
  EXPECT_FALSE(o.run.paintDisplay);
  EXPECT_TRUE(ParseSimOptions({"--paint"}).run.paintDisplay);
}

TEST(SimOptionsTest, RefusesBadArgumentsNamingThem) {
  const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
      {{"--level", "abc"}, "--level"},       {{"--level", "40000"}, "out of range"},
      {{"--seconds"}, "needs a value"},       {{"--seconds", "-1"}, "--seconds"},
      {{"--screen", "1024"}, "WIDTHxHEIGHT"}, {{"--screen", "1024x20"}, "height"},
      {{"--frame-at", "15"}, "--frames"},     {{"--frames", "d"}, "--frame-at or --frame-every"},
      {{"--trace=1"}, "takes no value"},      {{"-x"}, "unknown argument '-x'"},
      {{"--seed", "1.5"}, "not a number"},   {{"--jitter", "50"}, "out of range"},
      {{"--scale", "0"}, "out of range"},     {{"--screen", "800x600", "--scale", "7"}, "smaller than the display block"}};
  for (const auto& [args, message] : cases) {
    try {
      ParseSimOptions(args);
      ADD_FAILURE() << args[0] << " accepted";
    } catch (const UsageError& e) {
      EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace zv::sim
