#include "program_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QWindow>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// One line per entry: its name, its caption ("-" for a separator) and any
// state that differs from enabled and unchecked.
std::vector<std::string> describe(const QList<QAction*>& actions) {
  std::vector<std::string> lines;
  for (const QAction* action : actions) {
    const QObject* named = action->menu() ? static_cast<const QObject*>(action->menu()) : action;
    std::string line = named->objectName().toStdString() + " " +
                       (action->isSeparator() ? std::string("-") : action->text().toStdString());
    if (!action->isEnabled())
      line += " [disabled]";
    if (action->isChecked())
      line += " [checked]";
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> describeMenu(QMenuBar& bar, const QString& name) {
  for (QAction* action : bar.actions())
    if (action->menu() && action->menu()->objectName() == name)
      return describe(action->menu()->actions());
  return {};
}

class StartUpTest : public ProgramTest {};

TEST_F(StartUpTest, mainWindowCarriesItsTitleAndMenus) {
  program.Main();
  TrendWindow& trend = *program.trend();
  EXPECT_EQ(trend.windowTitle(), "Orvane Trend Analysis");
  QMenuBar& bar = *trend.menuBar();

  EXPECT_EQ(describe(bar.actions()), (std::vector<std::string>{"filememu &File", "Viewmenu &View",
                                                               "commmenu &Communication", "helptopmenu &Help"}));
  EXPECT_EQ(describeMenu(bar, "filememu"),
            (std::vector<std::string>{"exportmenu Export Graph [disabled]", "filebar -", "exitmenu E&xit"}));
  EXPECT_EQ(describe(control<QMenu>("exportmenu")->actions()),
            (std::vector<std::string>{"csvmenu To CSV File", "clipboardmenu To Clipboard"}));
  EXPECT_EQ(describeMenu(bar, "Viewmenu"), (std::vector<std::string>{"tripmenu Trip History", "optionmenu Options",
                                                                     "viewermenu Session Viewer"}));
  EXPECT_EQ(describeMenu(bar, "commmenu"),
            (std::vector<std::string>{"startmonmenu Start Monitor", "stopmonmenu Stop Monitor [checked]",
                                      "filebar2 -", "resetmenu Reset Inverter [disabled]"}));
  EXPECT_EQ(describeMenu(bar, "helptopmenu"), (std::vector<std::string>{"helpmenu Help", "aboutmenu About"}));
}

TEST_F(StartUpTest, toolbarHoldsTheKeyedButtonsInOrder) {
  program.Main();
  std::vector<std::string> buttons;
  for (const QAction* action : control<QToolBar>("Toolbar1")->actions())
    buttons.push_back(action->isSeparator()
                          ? "|"
                          : action->objectName().toStdString() + " " + action->toolTip().toStdString() +
                                (action->isEnabled() ? "" : " [disabled]") +
                                (action->icon().isNull() ? " [no image]" : ""));
  EXPECT_EQ(buttons, (std::vector<std::string>{"starttoolbar Start Monitor", "stoptoolbar Stop Monitor", "|",
                                               "exporttoolbar Export Graph to CSV File [disabled]",
                                               "cliptoolbar Copy Graph to Clipboard [disabled]",
                                               "optionstoolbar Options", "triptoolbar Trip History", "|",
                                               "valuetoolbar Value on Graph", "helptoolbar Help"}));
}

TEST_F(StartUpTest, splashStaysUpForJustOverThreeSecondsThenGoes) {
  bool splashUpWhileWaiting = true;
  bool mainWindowUpWhileWaiting = true;
  watchedClock.onSleep = [&] {
    const QWidget* splash = topLevel("Splash");
    splashUpWhileWaiting &= splash && splash->isVisible() && splash->windowHandle()->isExposed();
    mainWindowUpWhileWaiting &= program.trend() && program.trend()->windowHandle()->isExposed();
  };
  const Clock::Duration start = clock.now();
  program.Main();
  ASSERT_FALSE(clock.sleeps.empty());
  EXPECT_LE(clock.sleeps.size(), 2u); // sleeps, not a spin
  EXPECT_TRUE(splashUpWhileWaiting);
  EXPECT_TRUE(mainWindowUpWhileWaiting);
  EXPECT_GT(clock.now() - start, 3s);
  EXPECT_LT(clock.now() - start, 3s + 100ms);
  EXPECT_FALSE(program.windows().isLoaded("Splash"));
  const QWidget* splash = topLevel("Splash");
  EXPECT_TRUE(!splash || !splash->isVisible());
}

TEST_F(StartUpTest, panelsAppearAfterTheSplashWithInputSixHidden) {
  bool panelsHiddenDuringSplash = true;
  watchedClock.onSleep = [&] { panelsHiddenDuringSplash &= !widget("Picture1")->isVisible(); };
  program.Main();
  EXPECT_TRUE(panelsHiddenDuringSplash);
  for (const char* name :
       {"Picture1", "Picture2", "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "clearscreen",
        "Command1", "Command9", "displayspeed", "redlight", "Image1off", "Label7"})
    EXPECT_TRUE(widget(name)->isVisible()) << name;
  for (const char* name : {"Picture3", "Image6on", "Image6off", "Label12", "Image1on", "Image7off", "Label40",
                           "tripreset", "greenlight", "runpiccy", "forarrow"})
    EXPECT_FALSE(widget(name)->isVisible()) << name;
}

TEST_F(StartUpTest, startUpTalksToNoDriveAndLeavesNoModelAndAnEmptyGraph) {
  program.Main();
  EXPECT_EQ(port.opens, 0);
  EXPECT_TRUE(port.sends.empty());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(beeper.beeps, 0);
  const SharedState& state = program.state();
  EXPECT_EQ(state.inverter, "0");
  EXPECT_EQ(state.inverterknown, 0);
  EXPECT_EQ(state.lastx, 570);
  EXPECT_EQ(state.samplecount, 0);
  EXPECT_EQ(state.valuemode, 0);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
}

TEST_F(StartUpTest, storedSettingsAreApplied) {
  const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / ".config/orvane-trend";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "ta.ini", std::ios::binary) << "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n2\r\n";
  program.Main();
  const SharedState& state = program.state();
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.xstep, 40);
  EXPECT_EQ(state.maxpoints, 169);
  EXPECT_EQ(state.port2on, 1);
  EXPECT_TRUE(state.options.checked("currentmenu"));
  std::filesystem::remove(folder / "ta.ini");
}

} // namespace
} // namespace orvane::testing
