#include "faults/fault_session.h"

#include <fstream>

namespace orvane::testing {
namespace {

struct SilenceCase {
  const char* name;
  const char* fault;
};

void PrintTo(const SilenceCase& silence, std::ostream* out) { *out << silence.fault; }

// A drive that falls silent (or answers short) at one of the three waits of
// the first exchange, the model-code read of the start.
class SilentDriveAtStart : public FaultSession, public ::testing::WithParamInterface<SilenceCase> {};

TEST_P(SilentDriveAtStart, startFailsAfterTwoSecondsWithTheMessageTwiceAndTheEarlierLogKept) {
  plugIn({"--model", "mk410", "--fault", GetParam().fault});
  storeSettings(kEverythingMonitored);
  startUp();
  std::ofstream(temporary.sessionLog(), std::ios::binary) << kSessionLogHeader << "\r\n0,50,8.3,50.30303,330\r\n";
  const std::vector<std::string> earlierLog = logLines();

  const double took = secondsFor([this] { session.startmonmenu_Click(); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 3.5); // the time-out, with room for a busy machine
  // Once from the failed read, once from the start that it made fail.
  EXPECT_EQ(titles(), std::vector<std::string>(2, kCommunicationsErrorTitle));
  EXPECT_EQ(communicationsErrors(), 2);
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(logLines(), earlierLog);
}

INSTANTIATE_TEST_SUITE_P(AtEachWait, SilentDriveAtStart,
                         ::testing::Values(SilenceCase{"silentFromTheStart", "silent-from-start"},
                                           SilenceCase{"silentAfterTheCommandFrame", "no-command-reply"},
                                           SilenceCase{"silentAfterTheDataFrame", "no-data-reply"},
                                           SilenceCase{"silentAfterTheAcknowledge", "no-ack-reply"},
                                           SilenceCase{"shortReply", "short-reply"}),
                         [](const auto& info) { return std::string(info.param.name); });

// A junk byte ahead of every reply puts the replies out of step with the
// waits: the model code comes from the wrong byte and the probe's display
// texts start a character late, so no model matches. Nothing times out.
TEST_F(FaultSession, garbageAheadOfEveryReplyLeavesTheDriveUnrecognised) {
  plugIn({"--model", "mk410", "--fault", "garbage"});
  startUp();

  const double took = secondsFor([this] { session.startmonmenu_Click(); });

  EXPECT_LT(took, 2.0);
  ASSERT_EQ(titles(), std::vector<std::string>{"Unknown Inverter"});
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has not been recognised.\n"
                                    "Please check in Help which ranges are supported by this program.");
  EXPECT_EQ(state.inverter, "Unknown");
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, silentDriveFailsTheTripHistoryWithOneMessageAndNoWindow) {
  plugIn({"--model", "mk410", "--fault", "silent-from-start"});
  startUp();

  const double took = secondsFor([this] { trips.tripmenu_Click(); });

  EXPECT_GE(took, 2.0);
  EXPECT_LT(took, 3.5); // the time-out, with room for a busy machine
  EXPECT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  EXPECT_EQ(communicationsErrors(), 1);
  EXPECT_TRUE(tripWindow.shown.empty());
  EXPECT_EQ(look(), kIdle);
}

} // namespace
} // namespace orvane::testing
