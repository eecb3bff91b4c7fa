#include "fakes/drive_sim_line.h"
#include "monitor/identification.h"
#include "monitor/lcd_screen.h"
#include "monitor/live_values.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// The link's procedures with the real port and clock, against drive-sim.
class DriveSimOverPty : public ::testing::Test {
protected:
  std::int16_t identify(DriveSimLine& line) {
    std::int16_t OK = 0;
    Identification(state, line.link).CheckInverter(OK);
    return OK;
  }

  static std::chrono::steady_clock::duration timed(const std::function<void()>& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::steady_clock::now() - start;
  }

  SharedState state;
};

TEST_F(DriveSimOverPty, everyShippedDriveIsIdentifiedAndGivesItsScenarioValues) {
  struct Drive {
    const char* scenario;
    const char* model;
    float maxSpeed;
    std::int16_t voltCode;
    float speed;
    double current, percent, dcLink;
    std::size_t screenLength;
    const char* screenShows;
  };
  for (const Drive& drive : {Drive{"sc", ">Talvik< Q7 single/compact", 50, 1, 50, 4.2, 84, 320, 16, ""},
                             Drive{"vector", ">Talvik< Q7 vector", 60, 2, 45, 12.5, 78.1, 560, 16, "ADJ-O"},
                             Drive{"mk410", "MK410", 50, 1, 50, 8.3, 50.3, 330, 32, "8.3A"},
                             Drive{"profi", ">Talvik< Q7 profi", 60, 2, 40, 18.5, 50, 600, 32, ""},
                             Drive{"unknown", "Unknown", 0, 0, 0, 0, 0, 0, 0, ""}}) {
    SCOPED_TRACE(drive.scenario);
    DriveSimLine line({"--scenario", drive.scenario});
    ASSERT_EQ(identify(line), 0);
    EXPECT_EQ(state.newinverter, drive.model);
    EXPECT_TRUE(line.port.isOpen());
    if (state.newinverter == "Unknown")
      continue;
    state.inverter = state.newinverter;
    LiveValues values(state, line.link);
    std::int16_t OK = 0;
    values.GetMaxSpeed(OK);
    values.GetVoltCode(OK);
    values.GetSpeed(OK);
    values.GetAmps(OK);
    values.GetDCVolts(OK);
    LcdScreen(state, line.link).LCDSCR(OK);
    EXPECT_EQ(OK, 0);
    EXPECT_TRUE(line.messages.shown.empty());
    EXPECT_EQ(line.beeper.beeps, 0);
    EXPECT_EQ(state.maxspeed, drive.maxSpeed);
    EXPECT_EQ(state.voltcode, drive.voltCode);
    EXPECT_EQ(state.speedvalue, drive.speed);
    EXPECT_DOUBLE_EQ(state.ampstext, drive.current);
    EXPECT_NEAR(state.ampspct, drive.percent, 0.05);
    EXPECT_DOUBLE_EQ(state.dcvoltsvalue, drive.dcLink);
    EXPECT_EQ(state.lcdtext.size(), drive.screenLength);
    EXPECT_NE(state.lcdtext.find(drive.screenShows), std::string::npos) << state.lcdtext;
  }
}

TEST_F(DriveSimOverPty, atTheLineSpeedAReadTakesItsWireTimeAndTheProbeStillIdentifies) {
  DriveSimLine line({"--model", "vector", "--baud", "4800"});
  line.port.open();
  // 11 host bytes and 10 drive bytes at 11 bits a byte: 48.1 ms on the wire.
  const auto read = timed([&] { EXPECT_EQ(line.link.readAddress(0xFC40, 2, 100), 0.0); });
  EXPECT_GE(read, 48ms);
  EXPECT_LT(read, 1000ms);
  EXPECT_LT(timed([&] { EXPECT_EQ(identify(line), 0); }), 5s);
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 vector");
  EXPECT_TRUE(line.messages.shown.empty());
}

TEST_F(DriveSimOverPty, driveThatVanishesFailsLikeASilentOneWithoutSpinning) {
  DriveSimLine line({"--model", "mk410"});
  line.port.open();
  EXPECT_EQ(line.link.readAddress(0x03F4, 1, 1), 0.0);
  line.simulator.kill();
  const std::clock_t cpuBefore = std::clock();
  EXPECT_EQ(line.link.readAddress(0x03F4, 1, 1), 9999.0);
  EXPECT_LT(static_cast<double>(std::clock() - cpuBefore) / CLOCKS_PER_SEC, 0.2);
  EXPECT_EQ(line.stops, 1);
}

} // namespace
} // namespace orvane::testing
