#include "options_fixture.h"
#include "settings/options_menu.h"

namespace orvane::testing {
namespace {

using OptionsChangesTest = OptionsFixture;

TEST_F(OptionsChangesTest, onlyADifferenceFromTheAppliedValueEnablesApplyAndUndoingKeepsIt) {
  form.applyStoredSettings();
  form.Applybutton_Click();
  form.Port1_Click();
  tick("speedmenu", true, &OptionsForm::speedmenu_Click);
  EXPECT_FALSE(controls().enabled("Applybutton"));
  EXPECT_EQ(state.optionsapplied, 0);
  tick("currentmenu", true, &OptionsForm::currentmenu_Click);
  tick("currentmenu", false, &OptionsForm::currentmenu_Click);
  EXPECT_TRUE(controls().enabled("Applybutton"));
  EXPECT_TRUE(controls().enabled("Cancelbutton"));
}

TEST_F(OptionsChangesTest, theMenuAsksWhileOnlineAndStopsTheSessionOnlyOnYes) {
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
