#include "options_fixture.h"
#include "settings/graph_change_question.h"
#include "settings/options_menu.h"
#include "settings/ui/options_dialog.h"

#include <QComboBox>
#include <fstream>
#include <set>
#include <sstream>

namespace orvane::testing {
namespace {

using OptionsApplyTest = OptionsFixture;

TEST(GraphChangeQuestion, eachSetOfChangesHasItsTitleAndText) {
  const std::tuple<bool, bool, bool, const char*, const char*> cases[] = {
      {1, 0, 0, "Sample Rate", "Altering the Sample Rate"},
      {0, 1, 0, "Sample Rate", "Altering the Scale"},
      {1, 0, 1, "Sample Rate and Direction (Graph)", "Altering the Sample Rate and Selecting Direction (Graph)"},
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
  EXPECT_TRUE(state.applied.optionsapplied);
  EXPECT_FALSE(controls().enabled("Applybutton") || controls().enabled("Cancelbutton"));
  AppliedSettings reread;
  reread.samplerate = 0;
  ASSERT_TRUE(readSettingsFile(reread));
  for (const auto setting : kStoredSettings)
    EXPECT_EQ(reread.*setting, state.applied.*setting);
}

TEST_F(OptionsApplyTest, yesClearsTheGraphBeforeTheNewScaleAndGraphBoxApply) {
  form.Form_Load();
  moveSlider("Slider1", 10);
  moveSlider("Slider2", 2);
  tick("directiongraph", true, &OptionsForm::directiongraph_Click);
  form.Applybutton_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(clearedUpTo, std::vector<int>{338});
  EXPECT_EQ(controls().caption("sliderlabel"), "1 second");
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.graph.xstep, 40);
  EXPECT_EQ(state.graph.maxpoints, 160);
  EXPECT_FALSE(state.trend.visible("Picture1"));
  EXPECT_TRUE(state.trend.visible("Picture3"));

  moveSlider("Slider2", 2);
  form.OKbutton_Click();
  EXPECT_EQ(state.graph.maxpoints, 169);
  EXPECT_EQ(hides, 1);
}

TEST_F(OptionsApplyTest, noPutsBackOnlyTheGraphControlsAndAppliesAndStoresTheRest) {
  form.Form_Load();
  moveSlider("Slider1", 10);
  tick("directiongraph", true, &OptionsForm::directiongraph_Click);
  selectPort2();
  tick("currentmenu", true, &OptionsForm::currentmenu_Click);
  moveSlider("Slider2", 3);
  messages.answers.push_back(MessageAnswer::No);
  form.Applybutton_Click();
  EXPECT_TRUE(clearedUpTo.empty());
  EXPECT_EQ(controls().caption("Slider2label"), "1 : 1");
  EXPECT_EQ(state.graph.xstep, 20);
  EXPECT_EQ(tickedBoxes(), "Port2 speedmenu currentmenu");
  EXPECT_EQ(controls().caption("sliderlabel"), "0.5 second");
  EXPECT_EQ(state.trend.value("Timer1"), 500);
  EXPECT_TRUE(state.trend.visible("Picture1"));
  EXPECT_EQ(port.portNumber(), 2);
  EXPECT_EQ(fileText(), " 1 \r\n 1 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 1 \r\n");
}

TEST_F(OptionsApplyTest, aFailedApplyLeavesItUnappliedSoTheNextOkAppliesAndWritesAgain) {
  form.Form_Load();
  std::filesystem::remove(file());
  std::filesystem::create_directories(file()); // a folder where the file should go
  form.Applybutton_Click();
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_FALSE(state.applied.optionsapplied);
  std::filesystem::remove(file());
  form.OKbutton_Click();
  EXPECT_EQ(fileText(), kDefaultsAsNumbers);
  EXPECT_EQ(messages.shown.size(), 1u);
}

// An unchanged device is not stored, so a port left to the automatic choice follows the adapters.
TEST_F(OptionsApplyTest, onlyADeviceTheUserChangedIsStoredBesideTheSettings) {
  unsetenv("ORVANE_PORT1");
  setenv("ORVANE_PORT2", "/dev/pts/93", 1);
  const std::filesystem::path devices = file().parent_path() / "devices.conf";
  form.show();
  EXPECT_FALSE(controls().enabled("port2devicecombo"));
  form.Applybutton_Click();
  EXPECT_FALSE(std::filesystem::exists(devices));

  state.options.setCaption("port1devicecombo", " /dev/ttyUSB93 ");
  form.port1devicecombo_Change();
  EXPECT_TRUE(controls().enabled("Applybutton"));
  EXPECT_EQ(controls().caption("devicenotelabel"),
            "Port 1: /dev/ttyUSB93 (not present)\nPort 2: /dev/pts/93 (set by ORVANE_PORT2)");
  form.OKbutton_Click();
  std::ostringstream stored;
  stored << std::ifstream(devices).rdbuf();
  EXPECT_EQ(stored.str(), "port1=/dev/ttyUSB93\n");
  unsetenv("ORVANE_PORT2");
}

// The dialog's widgets are exactly its declared controls, and they mirror each other.
TEST_F(OptionsApplyTest, everyDeclaredControlHasAWidgetEveryWidgetIsDeclaredAndTheyMirrorEachOther) {
  OptionsDialog dialog{state.options, form};
  std::set<std::string> widgets;
  for (const QWidget* widget : dialog.findChildren<QWidget*>())
    if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
      widgets.insert(widget->objectName().toStdString());
  std::set<std::string> declared;
  for (const auto& entry : state.options.declared())
    declared.insert(entry.first);
  EXPECT_EQ(widgets, declared);
  EXPECT_THROW(state.options.checked("speedmenus"), UnknownControl);

  dialog.findChild<QComboBox*>("port1devicecombo")->setEditText("/dev/ttyUSB93");
  EXPECT_EQ(controls().caption("port1devicecombo"), "/dev/ttyUSB93");
  state.options.setCaption("port2devicecombo", "/dev/ttyACM93");
  EXPECT_EQ(dialog.findChild<QComboBox*>("port2devicecombo")->currentText(), "/dev/ttyACM93");
}

TEST_F(OptionsApplyTest, theScaleSetsTheStepAndApplyLeavesRoomWhereOkFillsTheWidth) {
  for (const auto& [scale, applied, okayed] : {std::tuple{1, 320, 338}, {3, 107, 113}, {20, 16, 17}}) {
    form.applyStoredSettings();
    moveSlider("Slider2", scale);
    form.Applybutton_Click();
    EXPECT_EQ(state.graph.xstep, 20 * scale);
    EXPECT_EQ(state.graph.maxpoints, applied);
    moveSlider("Slider2", scale);
    form.OKbutton_Click();
    EXPECT_EQ(state.graph.maxpoints, okayed);
  }
}

TEST_F(OptionsApplyTest, startUpAppliesTheStoredSettingsUnseenAndAsksWhenTheSampleRateIsZero) {
  writeFile("1\r\n1\r\n0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n2\r\n");
  form.applyStoredSettings();
  EXPECT_EQ(shows, 0);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Sample Rate");
  EXPECT_EQ(port.portNumber(), 2);
  EXPECT_EQ(state.applied.samplerate, 5);
  EXPECT_EQ(state.graph.maxpoints, 169);
  EXPECT_EQ(fileText(), " 1 \r\n 1 \r\n 0 \r\n 1 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 0 \r\n 5 \r\n 2 \r\n");
}

TEST_F(OptionsApplyTest, aSliderValueOutOfRangeShowsOneMessageAndSkipsTheRestOfTheAction) {
  writeFile("0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n1\r\n");
  messages.answers.push_back(MessageAnswer::No);
  form.applyStoredSettings();
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[1].icon, MessageIcon::Critical);
  EXPECT_EQ(messages.shown[1].text,
            "Error  22 was generated by Orvane Trend Analysis\rSlider1 cannot be set to 0: Invalid argument");
  EXPECT_EQ(state.applied.samplerate, 0);
}

TEST_F(OptionsApplyTest, onlyADifferenceFromTheAppliedValueEnablesApplyAndUndoingKeepsIt) {
  form.applyStoredSettings();
  form.Applybutton_Click();
  form.Port1_Click();
  tick("speedmenu", true, &OptionsForm::speedmenu_Click);
  EXPECT_FALSE(controls().enabled("Applybutton"));
  EXPECT_FALSE(state.applied.optionsapplied);
  tick("currentmenu", true, &OptionsForm::currentmenu_Click);
  tick("currentmenu", false, &OptionsForm::currentmenu_Click);
  EXPECT_TRUE(controls().enabled("Applybutton"));
  EXPECT_TRUE(controls().enabled("Cancelbutton"));
}

TEST_F(OptionsApplyTest, theMenuAsksWhileOnlineAndStopsTheSessionOnlyOnYes) {
  std::vector<std::string> steps;
  form.setWindow([&] { steps.push_back(form.loaded() ? "show" : "show unloaded"); }, [] {});
  const auto click = [&] {
    optionmenu_Click(
        state.trend, messages, [&] { steps.push_back("stop"); }, form);
  };
  click();
  EXPECT_EQ(steps, std::vector<std::string>{"show"});
  EXPECT_TRUE(messages.shown.empty());

  steps.clear();
  state.trend.setChecked("startmonmenu", true);
  messages.answers = {MessageAnswer::No, MessageAnswer::Yes};
  click();
  EXPECT_TRUE(steps.empty());
  click();
  EXPECT_EQ(steps, (std::vector<std::string>{"stop", "show"}));
  ASSERT_EQ(messages.shown.size(), 2u);
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Question);
  EXPECT_EQ(messages.shown[0].title, "Options");
  EXPECT_EQ(messages.shown[0].text,
            "The Options are not available while still Online. Do you want to go offline?");
}

} // namespace
} // namespace orvane::testing
