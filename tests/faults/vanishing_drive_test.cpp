#include "faults/fault_session.h"

namespace orvane::testing {
namespace {

// A USB adapter pulled out mid-session: the display reads of the trip check
// fail, are retried four times with a beep and a pause, and the session
// stops. A vector drive's display read has no message of its own.
TEST_F(FaultSession, driveVanishingMidSessionStopsItAfterTheTripCheckRetriesAndKeepsTheLog) {
  plugIn({"--scenario", "vector"});
  storeSettings(kEverythingMonitored);
  startUp();
  session.startmonmenu_Click();
  ASSERT_EQ(sample(3), 3);
  const std::vector<std::string> written = logLines();
  ASSERT_EQ(written.size(), 4u);

  unplug();
  const double took = secondsFor([this] { sample(1); });

  EXPECT_GE(took, 5 * 2.0 + 4 * 2.0);
  EXPECT_LT(took, 5 * 2.0 + 4 * 2.0 + 2.0);
  EXPECT_EQ(beeper.beeps, 5 + 4);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(state.trend.caption("displayspeed"), "");
  EXPECT_EQ(logLines(), written);

  // The adapter is still out: the next start names the device at once.
  const double restart = secondsFor([this] { session.startmonmenu_Click(); });
  EXPECT_LT(restart, 0.5);
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, kCommunicationsErrorTitle);
  const std::string named = "The serial port " + temporary.drive().string() + " could not be opened:\n";
  EXPECT_EQ(messages.shown[0].text.find(named + "There is no such device.\n"), 0u);
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(logLines(), written);
}

// The drive falls silent inside a sample, in the current read: the read and
// the current trace each show the message, and the lines written stay.
TEST_F(FaultSession, driveFallingSilentMidSampleShowsTheMessageTwiceAndKeepsTheLog) {
  // Frames the drive answers: the start's three reads, two whole ticks of ten
  // reads, then the panel block, the frequency and the current's command frame.
  constexpr int kStartFrames = 3 * 3;
  constexpr int kTickFrames = 10 * 3;
  plugIn({"--scenario", "mk410", "--fault",
          "silent-after=" + std::to_string(kStartFrames + 2 * kTickFrames + 3 + 3 + 1)});
  storeSettings(kEverythingMonitored);
  startUp();
  session.startmonmenu_Click();
  ASSERT_EQ(sample(2), 2);
  const std::vector<std::string> written = logLines();
  EXPECT_EQ(written,
            (std::vector<std::string>{kSessionLogHeader, "0,50,8.3,50.30303,330", "0.5,50,8.3,50.30303,330"}));
  EXPECT_TRUE(state.trend.visible("Image1on"));

  const double took = secondsFor([this] { sample(1); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 3.5); // the time-out, with room for a busy machine
  EXPECT_EQ(communicationsErrors(), 2);
  EXPECT_EQ(titles().size(), 2u);
  EXPECT_EQ(look(), kIdle);
  EXPECT_FALSE(state.trend.visible("Image1on"));
  EXPECT_TRUE(state.trend.visible("Image1off"));
  EXPECT_EQ(logLines(), written);
}

// A failed trip history read while idle lets go of the port, so a drive
// reconnected through a new adapter on the same path is reached at the next read.
TEST_F(FaultSession, tripHistoryReachesADriveReconnectedAfterAFailedRead) {
  plugIn({"--scenario", "mk410", "--fault", "silent-from-start"});
  startUp();
  trips.tripmenu_Click();
  ASSERT_EQ(communicationsErrors(), 1);
  EXPECT_EQ(look(), kIdle);

  unplug();
  plugIn({"--scenario", "mk410"});
  trips.tripmenu_Click();

  EXPECT_EQ(communicationsErrors(), 1);
  ASSERT_EQ(tripWindow.shown.size(), 1u);
  EXPECT_EQ(tripWindow.shown[0].Totaltrip, "2");
  EXPECT_EQ(look(), kIdle);
}

} // namespace
} // namespace orvane::testing
