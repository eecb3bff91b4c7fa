#include "fakes/program_fixture.h"

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

class StartUpTest : public ProgramTest {};

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
