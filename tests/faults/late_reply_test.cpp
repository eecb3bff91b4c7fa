#include "faults/fault_session.h"

namespace orvane::testing {
namespace {

// An MK410 tripped from the moment it is switched on.
constexpr const char* kTrippedMk410 = R"({"model": "mk410", "frequency": 50, "trips": [{"at": 0, "code": 7}]})";

TEST_F(FaultSession, readReplyJustInsideTwoSecondsIsTaken) {
  plugIn({"--scenario", "mk410", "--reply-delay-ms", "1800", "--reply-delay-kind", "read"});
  storeSettings(kSpeedOnly);
  startUp();

  // The model code, the maximum frequency and the voltage class.
  const double took = secondsFor([this] { session.startmonmenu_Click(); });
  EXPECT_GE(took, 3 * 1.8);
  EXPECT_LT(took, 3 * 2.0 + 0.5);
  EXPECT_EQ(look(), kMonitoring);

  EXPECT_EQ(sample(1), 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  EXPECT_EQ(logLines(), (std::vector<std::string>{kSessionLogHeader, "0,50,0,0,0"}));
  session.stopmonmenu_Click();
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, readReplyJustOutsideTwoSecondsIsNotWaitedFor) {
  plugIn({"--scenario", "mk410", "--reply-delay-ms", "2600", "--reply-delay-kind", "read"});
  startUp();

  const double took = secondsFor([this] { session.startmonmenu_Click(); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 2.6); // the reply, due at 2.6 s, was not waited for
  EXPECT_EQ(communicationsErrors(), 2);
  EXPECT_EQ(titles().size(), 2u);
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, displayTextTooLateFailsTheProbeWithABeepAndOneMessage) {
  plugIn({"--scenario", "vector", "--reply-delay-ms", "2600", "--reply-delay-kind", "display"});
  startUp();

  const double took = secondsFor([this] { session.startmonmenu_Click(); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 3.0);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  EXPECT_EQ(communicationsErrors(), 1);
  EXPECT_EQ(state.inverter, "0");
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, panelBlockTooLateStopsTheSessionAfterFourRetries) {
  plugIn({"--scenario", "mk410", "--reply-delay-ms", "2600", "--reply-delay-kind", "block"});
  storeSettings(kEverythingMonitored);
  startUp();
  session.startmonmenu_Click();
  ASSERT_EQ(look(), kMonitoring);

  // Five attempts of 2 seconds with a beep and a 2-second pause between them.
  const double took = secondsFor([this] { sample(1); });

  EXPECT_GE(took, 5 * 2.0 + 4 * 2.0);
  EXPECT_LT(took, 5 * 2.0 + 4 * 2.0 + 2.0);
  EXPECT_EQ(communicationsErrors(), 5);
  EXPECT_EQ(titles().size(), 5u);
  EXPECT_EQ(beeper.beeps, 5 + 4);
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(logLines(), std::vector<std::string>{kSessionLogHeader});
}

// The reset write answered just inside 2 seconds: the drive is reset and
// "Reset" starts monitoring again.
TEST_F(FaultSession, resetRepliedJustInsideTwoSecondsClearsTheTrip) {
  plugIn({"--scenario", scenario(kTrippedMk410), "--reply-delay-ms", "1800", "--reply-delay-kind", "write"});
  storeSettings(kSpeedOnly);
  startUp();
  session.startmonmenu_Click();
  sample(1);
  ASSERT_TRUE(state.trend.visible("tripreset"));

  // The reset, the 2-second pause, then a stop and a start.
  const double took = secondsFor([this] { session.tripreset_Click(); });

  EXPECT_GE(took, 1.8 + 2.0);
  EXPECT_LT(took, 1.8 + 2.0 + 1.0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(look(), kMonitoring);
  sample(1);
  EXPECT_FALSE(state.trend.visible("trippiccy"));
  EXPECT_FALSE(state.trend.enabled("resetmenu"));
  EXPECT_EQ(logLines(), (std::vector<std::string>{kSessionLogHeader, "0,50,0,0,0"}));
}

// "Reset Inverter" answered too late: a beep, the message, and the session stops.
TEST_F(FaultSession, resetRepliedTooLateStopsTheSession) {
  plugIn({"--scenario", scenario(kTrippedMk410), "--reply-delay-ms", "2600", "--reply-delay-kind", "write"});
  storeSettings(kSpeedOnly);
  startUp();
  session.startmonmenu_Click();
  sample(1);
  ASSERT_TRUE(state.trend.enabled("resetmenu"));

  const double took = secondsFor([this] { tripWatch.resetmenu_Click(); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 2.6); // the reply, due at 2.6 s, was not waited for
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  EXPECT_EQ(communicationsErrors(), 1);
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(logLines(), std::vector<std::string>{kSessionLogHeader});
}

} // namespace
} // namespace orvane::testing
