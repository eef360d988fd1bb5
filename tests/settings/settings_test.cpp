#include "settings/settings.h"

#include <gtest/gtest.h>

#include <string>

#include "shells/headless/headless_platform.h"

namespace zv {
namespace {

using headless::MemorySettingsStore;

const std::string kLevelPath = "Zorvalite\\Options\\Level";
const std::string kSpecPath = "Zorvalite\\Options\\Spec";

Globals Load(MemorySettingsStore& store) {
  Globals globals;
  LoadSettings(store, globals);
  return globals;
}

TEST(LoadSettings, AnEmptyStoreGivesTheDefaultsAndStaysEmpty) {
  MemorySettingsStore store;
  Globals globals = Load(store);
  EXPECT_EQ(globals.ProbDenominator, 301);
  EXPECT_EQ(globals.SpecClass, 0);
  EXPECT_TRUE(store.values.empty());
  EXPECT_TRUE(store.writes.empty());
}

TEST(LoadSettings, ValuesThatConvertAreHandedOnUnchanged) {
  for (const char* level : {"30", "301", "100", "0", "-5", "2", "32767", "-32768"}) {
    MemorySettingsStore store;
    store.values[kLevelPath] = level;
    store.values[kSpecPath] = level;
    Globals globals = Load(store);
    EXPECT_EQ(globals.ProbDenominator, std::stoi(level)) << level;
    EXPECT_EQ(globals.SpecClass, std::stoi(level)) << level;
    EXPECT_TRUE(store.writes.empty());
  }
}

TEST(LoadSettings, EachKeyFallsBackOnItsOwnDefault) {
  MemorySettingsStore store;
  store.values[kSpecPath] = "1";
  Globals globals = Load(store);
  EXPECT_EQ(globals.ProbDenominator, 301);
  EXPECT_EQ(globals.SpecClass, 1);

  MemorySettingsStore other;
  other.values[kLevelPath] = "30";
  globals = Load(other);
  EXPECT_EQ(globals.ProbDenominator, 30);
  EXPECT_EQ(globals.SpecClass, 0);
}

TEST(LoadSettings, ABadTextReadsAsAbsentAndStaysAsItWas) {
  for (std::string bad : {std::string("abc"), std::string("32768"), std::string("-32769"), std::string(""),
                          std::string("12abc"), std::string(100000, '7')}) {
    MemorySettingsStore store;
    store.values[kLevelPath] = bad;
    store.values[kSpecPath] = bad;
    Globals globals = Load(store);
    EXPECT_EQ(globals.ProbDenominator, 301) << bad.substr(0, 20);
    EXPECT_EQ(globals.SpecClass, 0) << bad.substr(0, 20);
    EXPECT_TRUE(store.writes.empty());
    EXPECT_EQ(store.values[kLevelPath], bad);  // repaired only by the dialog's OK
  }
}

TEST(LoadSettings, AValueThatIsNotTextReadsAsAbsent) {
  MemorySettingsStore store;
  store.values[kLevelPath] = "30";
  store.values[kSpecPath] = "1";
  store.unreadable = {kLevelPath, kSpecPath};
  Globals globals = Load(store);
  EXPECT_EQ(globals.ProbDenominator, 301);
  EXPECT_EQ(globals.SpecClass, 0);
  EXPECT_TRUE(store.writes.empty());
}

TEST(LoadSettings, ALongButOtherwiseGoodTextReadsAsAbsent) {
  MemorySettingsStore store;
  store.values[kLevelPath] = std::string(platform::kMaxSettingText, ' ') + "30";
  EXPECT_EQ(Load(store).ProbDenominator, 301);
  store.values[kLevelPath] = std::string(platform::kMaxSettingText - 2, ' ') + "30";
  EXPECT_EQ(Load(store).ProbDenominator, 30);
}

TEST(SaveSettings, WritesLevelThenSpecAsDecimalTextEveryTime) {
  MemorySettingsStore store;
  Globals globals;
  globals.ProbDenominator = 30;
  globals.SpecClass = -1;
  SaveSettings(store, globals);
  SaveSettings(store, globals);
  using Write = std::pair<std::string, std::string>;
  EXPECT_EQ(store.writes, (std::vector<Write>{{kLevelPath, "30"}, {kSpecPath, "-1"}, {kLevelPath, "30"},
                                              {kSpecPath, "-1"}}));
}

TEST(SaveSettings, RepairsABadValueThatLoadRefused) {
  MemorySettingsStore store;
  store.values[kLevelPath] = "abc";
  Globals globals = Load(store);
  SaveSettings(store, globals);
  EXPECT_EQ(store.Stored("Level"), "301");
  EXPECT_EQ(Load(store).ProbDenominator, 301);
}

}  // namespace
}  // namespace zv
