// The configuration dialog run end to end on the headless shell: start-up with "/C", the
// load, the user's clicks, and what reaches the settings store and the shell.
#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "shells/headless/headless_platform.h"
#include "startup/md_saver.h"
#include "testing/scripted_random.h"
#include "version.h"

namespace zv {
namespace {

using platform::ConfigLabel;
using platform::OptionButton;
using headless::HeadlessConfigWindow;
using Control = HeadlessConfigWindow::Control;
using Writes = std::vector<std::pair<std::string, std::string>>;

const std::string kLevel = "Zorvalite\\Options\\Level";
const std::string kSpec = "Zorvalite\\Options\\Spec";

class ConfigDialog : public ::testing::Test {
 protected:
  // Stores the given texts (absent: nothing stored) and opens the dialog as "/C" does.
  HeadlessConfigWindow& Open(std::optional<std::string> level = std::nullopt,
                             std::optional<std::string> spec = std::nullopt) {
    if (level) platform.settings.values[kLevel] = *level;
    if (spec) platform.settings.values[kSpec] = *spec;
    platform.process.arguments = "/C";
    program.Main();
    if (!platform.configWindow) throw std::logic_error("the dialog did not open");
    return *platform.configWindow;
  }

  // The selection of the four option buttons, Option1 to Option4.
  static std::vector<bool> Selection(const HeadlessConfigWindow& window) {
    return {window.Value(OptionButton::Option1), window.Value(OptionButton::Option2),
            window.Value(OptionButton::Option3), window.Value(OptionButton::Option4)};
  }

  Globals& globals() { return program.GetGlobals(); }

  testing::ScriptedRandom random;  // the dialog never draws: a draw would fail the test
  headless::HeadlessPlatform platform{random};
  mdSaver program{platform};
};

TEST_F(ConfigDialog, LoadFillsVersionAndTitleAndOnlyReadsTheStore) {
  HeadlessConfigWindow& window = Open();
  EXPECT_EQ(window.Caption(ConfigLabel::lblVersion), "Version 1.0.4");
  EXPECT_EQ(window.Caption(ConfigLabel::lblProductName), "Zorvalite");
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(platform.settings.writes.empty());
  EXPECT_TRUE(platform.settings.values.empty());
}

struct SelectionCase {
  const char* name;
  std::optional<std::string> level, spec;
  int16 probDenominator, specClass;
  std::vector<bool> selection;  // Option1 to Option4
};
void PrintTo(const SelectionCase& c, std::ostream* os) { *os << c.name; }

class LoadSelection : public ConfigDialog, public ::testing::WithParamInterface<SelectionCase> {};

TEST_P(LoadSelection, SelectsTheButtonOfTheStoredChoiceAndNoneForAnotherValue) {
  const SelectionCase& c = GetParam();
  HeadlessConfigWindow& window = Open(c.level, c.spec);
  EXPECT_EQ(globals().ProbDenominator, c.probDenominator);
  EXPECT_EQ(globals().SpecClass, c.specClass);
  EXPECT_EQ(Selection(window), c.selection);
}

INSTANTIATE_TEST_SUITE_P(
    StoredValues, LoadSelection,
    ::testing::Values(SelectionCase{"EmptyStore", std::nullopt, std::nullopt, 301, 0, {true, false, true, false}},
                      SelectionCase{"Normal_HighSpec", "301", "0", 301, 0, {true, false, true, false}},
                      SelectionCase{"Kakuhen_LowSpec", "30", "1", 30, 1, {false, true, false, true}},
                      SelectionCase{"Level100_Spec5", "100", "5", 100, 5, {false, false, false, false}},
                      SelectionCase{"Kakuhen_Spec2", "30", "2", 30, 2, {false, true, false, false}},
                      SelectionCase{"Negative", "-301", "-1", -301, -1, {false, false, false, false}},
                      // A text that is no 16-bit number reads as the default.
                      SelectionCase{"NotANumber_Overflow", "abc", "32768", 301, 0, {true, false, true, false}},
                      SelectionCase{"Empty_Exponent", "", "1.5e9", 301, 0, {true, false, true, false}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigDialog, ABadStoredTextOpensWithTheDefaultsAndOkReplacesIt) {
  HeadlessConfigWindow& window = Open("abc", "32768");
  EXPECT_TRUE(platform.settings.writes.empty());
  EXPECT_EQ(platform.settings.Stored("Level"), "abc");
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "301"}, {kSpec, "0"}}));
}

struct LabelCase {
  const char* name;
  Control label;
  bool probabilityGroup;
  int16 value;
  std::vector<std::pair<OptionButton, bool>> writes;
};
void PrintTo(const LabelCase& c, std::ostream* os) { *os << c.name; }

class LabelClick : public ConfigDialog, public ::testing::WithParamInterface<LabelCase> {};

TEST_P(LabelClick, SetsTheGlobalAndBothButtonsOfItsGroupUpperFirstWithoutWriting) {
  const LabelCase& c = GetParam();
  // Values the dialog does not offer: no button is selected, both globals are off the choices.
  HeadlessConfigWindow& window = Open("100", "5");
  window.valueWrites.clear();
  window.Click(c.label);
  EXPECT_EQ(window.valueWrites, c.writes);
  EXPECT_EQ(globals().ProbDenominator, c.probabilityGroup ? c.value : 100);
  EXPECT_EQ(globals().SpecClass, c.probabilityGroup ? 5 : c.value);
  EXPECT_TRUE(platform.settings.writes.empty());
  EXPECT_TRUE(window.Visible());
}

using enum OptionButton;
INSTANTIATE_TEST_SUITE_P(
    Labels, LabelClick,
    ::testing::Values(LabelCase{"LblNomal", Control::LblNomal, true, 301, {{Option1, true}, {Option2, false}}},
                      LabelCase{"LblKakuhen", Control::LblKakuhen, true, 30, {{Option1, false}, {Option2, true}}},
                      LabelCase{"LblHighSP", Control::LblHighSP, false, 0, {{Option3, true}, {Option4, false}}},
                      LabelCase{"LblLowSP", Control::LblLowSP, false, 1, {{Option3, false}, {Option4, true}}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ConfigDialog, OkOnAFirstRunWritesTheDefaultsLevelFirst) {
  HeadlessConfigWindow& window = Open();
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "301"}, {kSpec, "0"}}));
  EXPECT_FALSE(window.Loaded());
  EXPECT_FALSE(window.Visible());
}

TEST_F(ConfigDialog, OkWritesBothSettingsEvenWhenNothingChanged) {
  HeadlessConfigWindow& window = Open("30", "1");
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "30"}, {kSpec, "1"}}));
}

TEST_F(ConfigDialog, OkWithNeitherButtonSelectedWritesTheLoadedValuesBack) {
  HeadlessConfigWindow& window = Open("100", "5");
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "100"}, {kSpec, "5"}}));
}

TEST_F(ConfigDialog, OkTakesAChoiceMadeOnAnOptionCircleWithoutALabel) {
  HeadlessConfigWindow& window = Open("100", "5");
  window.Click(OptionButton::Option2);
  window.Click(OptionButton::Option4);
  // The globals follow only when OK is pressed.
  EXPECT_EQ(globals().ProbDenominator, 100);
  EXPECT_EQ(globals().SpecClass, 5);
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "30"}, {kSpec, "1"}}));
  EXPECT_EQ(globals().ProbDenominator, 30);
  EXPECT_EQ(globals().SpecClass, 1);
}

TEST_F(ConfigDialog, OkSettlesFromTheButtonsNotFromTheLastLabelClick) {
  // A label sets the global at once; a later click on the other circle wins at OK.
  HeadlessConfigWindow& window = Open("100", "5");
  window.Click(Control::LblKakuhen);
  window.Click(OptionButton::Option1);
  window.Click(Control::LblHighSP);
  window.Click(OptionButton::Option4);
  window.Click(Control::CmdOk);
  EXPECT_EQ(platform.settings.writes, (Writes{{kLevel, "301"}, {kSpec, "1"}}));
}

TEST_F(ConfigDialog, CancelAndTheCloseBoxWriteNothing) {
  for (bool closeBox : {false, true}) {
    testing::ScriptedRandom noDraws;
    headless::HeadlessPlatform shell{noDraws};
    shell.settings.values[kLevel] = "301";
    shell.process.arguments = "/C";
    mdSaver run{shell};
    run.Main();
    HeadlessConfigWindow& window = *shell.configWindow;
    window.Click(Control::LblKakuhen);
    window.Click(OptionButton::Option4);
    if (closeBox) {
      window.CloseBox();
    } else {
      window.Click(Control::CmdNg);
    }
    EXPECT_FALSE(window.Loaded()) << "close box: " << closeBox;
    EXPECT_TRUE(shell.settings.writes.empty()) << "close box: " << closeBox;
    EXPECT_EQ(shell.settings.Stored("Level"), "301");
    EXPECT_EQ(shell.settings.Stored("Spec"), std::nullopt);
  }
}

TEST_F(ConfigDialog, HomePageLinkHandsItsCaptionUnchangedToTheShell) {
  HeadlessConfigWindow& window = Open();
  window.Click(Control::LblHPaddr);
  ASSERT_EQ(window.shellOpens.size(), 1u);
  EXPECT_EQ(window.shellOpens[0].target, ZV_HOME_PAGE);
  EXPECT_EQ(window.shellOpens[0].showCommand, 3) << "maximized";
  EXPECT_TRUE(window.Visible());
  EXPECT_TRUE(platform.settings.writes.empty());
}

TEST_F(ConfigDialog, MailLinkHandsMailtoAndItsCaptionToTheShell) {
  HeadlessConfigWindow& window = Open();
  window.Click(Control::LblMLaddr);
  ASSERT_EQ(window.shellOpens.size(), 1u);
  EXPECT_EQ(window.shellOpens[0].target, "mailto:zorvalite@example.org");
  EXPECT_EQ(window.shellOpens[0].showCommand, 3) << "maximized";
  EXPECT_TRUE(window.Visible());
}

TEST_F(ConfigDialog, LinksReadTheCaptionAsItIsAtTheClick) {
  HeadlessConfigWindow& window = Open();
  window.SetCaption(ConfigLabel::LblHPaddr, "https://example.net/");
  window.SetCaption(ConfigLabel::LblMLaddr, "someone@example.net");
  window.Click(Control::LblHPaddr);
  window.Click(Control::LblMLaddr);
  window.Click(Control::LblHPaddr);
  ASSERT_EQ(window.shellOpens.size(), 3u);
  EXPECT_EQ(window.shellOpens[0].target, "https://example.net/");
  EXPECT_EQ(window.shellOpens[1].target, "mailto:someone@example.net");
  EXPECT_EQ(window.shellOpens[2].target, "https://example.net/");
}

}  // namespace
}  // namespace zv
