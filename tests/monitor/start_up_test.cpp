#include "fakes/program_fixture.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// Start-up shows the splash for just over 3 seconds, talks to no drive, knows
// no model yet and applies the stored settings.
TEST_F(ProgramTest, startUpWaitsOutTheSplashTalksToNoDriveAndAppliesTheStoredSettings) {
  const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / ".config/orvane-trend";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "ta.ini", std::ios::binary) << "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n2\r\n";
  const Clock::Duration start = clock.now();
  program.Main();
  std::filesystem::remove(folder / "ta.ini");
  EXPECT_GT(clock.now() - start, 3s);
  EXPECT_LT(clock.now() - start, 3s + 100ms);
  EXPECT_FALSE(program.windows().isLoaded("Splash"));
  EXPECT_EQ(port.opens, 0);
  EXPECT_TRUE(messages.shown.empty());
  const SharedState& state = program.state();
  EXPECT_EQ(state.inverter, "0");
  EXPECT_EQ(state.samplecount, 0);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.maxpoints, 169);
  EXPECT_EQ(state.port2on, 1);
  EXPECT_TRUE(state.options.checked("currentmenu"));
}

} // namespace
} // namespace orvane::testing
