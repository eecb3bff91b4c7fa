#include "options_fixture.h"
#include "settings/graph_change_question.h"

namespace orvane::testing {
namespace {

using OptionsApplyTest = OptionsFixture;

TEST(GraphChangeQuestion, eachSetOfChangesHasItsTitleAndText) {
  const std::tuple<bool, bool, bool, const char*, const char*> cases[] = {
      {1, 0, 0, "Sample Rate", "Altering the Sample Rate"},
      {0, 0, 1, "Direction (Graph)", "Selecting Direction (Graph)"},
      {0, 1, 0, "Sample Rate", "Altering the Scale"},
      {1, 0, 1, "Sample Rate and Direction (Graph)", "Altering the Sample Rate and Selecting Direction (Graph)"},
      {0, 1, 1, "Sample Rate and Direction (Graph)", "Altering the Scale and Selecting Direction (Graph)"},
      {1, 1, 0, "Sample Rate and Direction (Graph)", "Altering the Sample Rate and Scale"},
      {1, 1, 1, "Sample Rate and Direction (Graph)",
       "Altering the Sample Rate, Scale and Selecting Direction (Graph)"}};
  for (const auto& [rate, scale, direction, title, start] : cases) {
    const auto question = graphChangeQuestion(rate, scale, direction);
    ASSERT_TRUE(question);
    EXPECT_EQ(question->title, title);
    EXPECT_EQ(question->text,
              std::string(start) + " will clear the current graph.\nAre you sure you wish to proceed?");
  }
  EXPECT_FALSE(graphChangeQuestion(false, false, false));
}

TEST_F(OptionsApplyTest, applyWithTheDefaultsWritesNumbersBetweenBlanksThatReadBackTheSame) {
  form.Form_Load();
  port.open();
  form.Applybutton_Click();
  EXPECT_EQ(fileText(), kDefaultsAsNumbers);
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.optionsapplied, 1);
  EXPECT_FALSE(controls().enabled("Applybutton") || controls().enabled("Cancelbutton"));
  SharedState reread;
  reread.samplerate = 0;
  ASSERT_TRUE(readSettingsFile(reread));
  for (const auto setting : kStoredSettings)
    EXPECT_EQ(reread.*setting, state.*setting);
}

TEST_F(OptionsApplyTest, yesClearsTheGraphBeforeTheNewScaleAndGraphBoxApply) {
  form.Form_Load();
  moveSlider("Slider1", 10);
  moveSlider("Slider2", 2);
  tick("directiongraph", true, &OptionsForm::directiongraph_Click);
  form.Applybutton_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.shown[0].title, "Sample Rate and Direction (Graph)");
  EXPECT_EQ(clearedUpTo, std::vector<int>{338});
  EXPECT_EQ(controls().caption("sliderlabel"), "1 second");
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.xstep, 40);
  EXPECT_EQ(state.maxpoints, 160);
  EXPECT_FALSE(state.trend.visible("Picture1"));
  EXPECT_TRUE(state.trend.visible("Picture3"));

  moveSlider("Slider2", 2);
  form.OKbutton_Click();
  EXPECT_EQ(state.maxpoints, 169);
  EXPECT_EQ(hides, 1);
}

TEST_F(OptionsApplyTest, noPutsBackOnlyTheGraphControlsAndAppliesAndStoresTheRest) {
  form.Form_Load();
  moveSlider("Slider1", 10);
  tick("directiongraph", true, &OptionsForm::directiongraph_Click);
  selectPort2();
  tick("currentmenu", true, &OptionsForm::currentmenu_Click);
  messages.answers.push_back(MessageAnswer::No);
  form.Applybutton_Click();
  EXPECT_TRUE(clearedUpTo.empty());
  EXPECT_EQ(tickedBoxes(), "Port2 speedmenu currentmenu");
  EXPECT_EQ(controls().caption("sliderlabel"), "0.5 second");
  EXPECT_EQ(state.trend.value("Timer1"), 500);
  EXPECT_TRUE(state.trend.visible("Picture1"));
  EXPECT_EQ(port.portNumber(), 2);
  EXPECT_EQ(fileText(), " 1 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 1 \r\n");
}

TEST_F(OptionsApplyTest, theScaleSetsTheStepAndApplyLeavesRoomWhereOkFillsTheWidth) {
  for (const auto& [scale, applied, okayed] : {std::tuple{1, 320, 338}, {3, 107, 113}, {20, 16, 17}}) {
    form.applyStoredSettings();
    moveSlider("Slider2", scale);
    form.Applybutton_Click();
    EXPECT_EQ(state.xstep, 20 * scale);
    EXPECT_EQ(state.maxpoints, applied);
    moveSlider("Slider2", scale);
    form.OKbutton_Click();
    EXPECT_EQ(state.maxpoints, okayed);
  }
}

TEST_F(OptionsApplyTest, startUpAppliesTheStoredSettingsUnseenAndAsksWhenTheSampleRateIsZero) {
  writeFile("1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n");
  form.applyStoredSettings();
  EXPECT_EQ(shows, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Sample Rate");
  EXPECT_EQ(port.portNumber(), 2);
  EXPECT_EQ(state.samplerate, 5);
  EXPECT_EQ(state.maxpoints, 169);
  EXPECT_EQ(fileText(), " 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 2 \r\n");
}

TEST_F(OptionsApplyTest, aSliderValueOutOfRangeShowsOneMessageAndSkipsTheRestOfTheAction) {
  writeFile("0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
  messages.answers.push_back(MessageAnswer::No);
  form.applyStoredSettings();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].icon, MessageIcon::Critical);
  EXPECT_EQ(messages.shown[1].buttons, MessageButtons::Ok);
  EXPECT_EQ(messages.shown[1].title, "Communications Error");
  EXPECT_EQ(messages.shown[1].text,
            "Error  22 was generated by Orvane Trend Analysis\rSlider1 cannot be set to 0: Invalid argument");
  EXPECT_EQ(state.samplerate, 0);
}

} // namespace
} // namespace orvane::testing
