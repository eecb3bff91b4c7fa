#include "options_fixture.h"

namespace orvane::testing {
namespace {

using SettingsFileTest = OptionsFixture;

TEST_F(SettingsFileTest, missingFileAndFolderAreCreatedWithTheDefaultsAsBareDigits) {
  form.Form_Load();
  EXPECT_EQ(fileText(), kDefaultsAsDigits);
  expectDefaultControls();
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(SettingsFileTest, readsBothWrittenFormsIgnoringBlanksAndLinesAfterTheEleventh) {
  writeFile("1\r\n 0 \r\n\t1\t\r\n+1\n 0\r\n1 \r\n0\r\n1\r\n0\r\n 11 \r\n20\r\nnot a setting\r\n");
  form.Form_Load();
  EXPECT_EQ(tickedBoxes(), "Port2 currentmenu DCmenu runningmenu outputmenu");
  EXPECT_EQ(state.samplerate, 11);
  EXPECT_EQ(controls().caption("sliderlabel"), "1.1 seconds");
  EXPECT_EQ(controls().caption("Slider2label"), "20 : 1");
  EXPECT_FALSE(controls().enabled("Applybutton"));
}

TEST_F(SettingsFileTest, onlyOneTicksABoxAnyNonZeroPicksPort2AndZeroSlidersShowTheirLowest) {
  writeFile("2\r\n1\r\n2\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n");
  form.Form_Load();
  EXPECT_EQ(tickedBoxes(), "Port2 speedmenu");
  EXPECT_EQ(state.currenton, 2);
  EXPECT_EQ(controls().value("Slider1"), 5);
  EXPECT_EQ(controls().value("Slider2"), 1);
  EXPECT_EQ(state.samplerate, 0);
  EXPECT_EQ(state.graphscale, 0);
}

class DamagedSettingsFileTest : public OptionsFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(DamagedSettingsFileTest, isReplacedByTheDefaultsWithoutAMessage) {
  writeFile(GetParam());
  form.Form_Load();
  EXPECT_EQ(fileText(), kDefaultsAsDigits);
  expectDefaultControls();
  EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(Recovery, DamagedSettingsFileTest,
                         ::testing::Values("", "1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n",
                                           "0\r\n1\r\nyes\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5\r\n1\r\n",
                                           "0\r\n1\r\n\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5\r\n1\r\n",
                                           "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5.5\r\n1\r\n",
                                           "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n70000\r\n1\r\n",
                                           "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n400\r\n2\r\n",
                                           "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n21\r\n"));

TEST_F(SettingsFileTest, recoveryLeavesTheVariablesAsReadBeforeTheFailure) {
  state.graphscale = 7;
  writeFile("1\r\n0\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n1\r\n70000\r\n3\r\n");
  form.Form_Load();
  expectDefaultControls();
  EXPECT_EQ(state.port2on, 1);
  EXPECT_EQ(state.directiongraphon, 1);
  EXPECT_EQ(state.samplerate, 5);
  EXPECT_EQ(state.graphscale, 7);

  writeFile("0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n400\r\n2\r\n");
  form.Form_Load();
  EXPECT_EQ(state.samplerate, 400);
}

} // namespace
} // namespace orvane::testing
