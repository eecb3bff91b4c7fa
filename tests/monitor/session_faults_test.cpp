#include "fakes/session_fixture.h"

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// The drive, the port and the session log failing under a session, on the
// fake line and clock.
class SessionFaults : public SessionFixture {
protected:
  SessionFaults() {
    for (const char* box : {"currentmenu", "DCmenu", "directionmenu", "runningmenu", "inputmenu", "outputmenu"})
      state.options.setChecked(box, true);
  }
  int communicationsErrors() const {
    return static_cast<int>(std::count_if(messages.shown.begin(), messages.shown.end(), [](const auto& box) {
      return box.title == kCommunicationsErrorTitle && box.text == kCommunicationsErrorText;
    }));
  }
  bool idle() const { return !monitoring() && !state.trend.enabled("Timer1") && !port.isOpen(); }
};

TEST_F(SessionFaults, missingPortIsNamedAtOnceAndNothingStarts) {
  port.failOpenWith("No such file or directory");
  session.startmonmenu_Click();
  ASSERT_EQ(titles(), Lines{kCommunicationsErrorTitle});
  EXPECT_EQ(messages.shown[0].text, "The serial port /dev/fake1 could not be opened:\nNo such file or directory");
  EXPECT_TRUE(idle());
}

// The drive falls silent inside a sample, in the current read (frames answered:
// the start's three reads, two whole ticks of ten, then the panel block, the
// frequency and the current's command frame).
TEST_F(SessionFaults, driveFallingSilentMidSampleShowsTheMessageTwiceStopsAndKeepsTheLog) {
  sim::EngineOptions silentMidSample;
  silentMidSample.silentAfterFrames = 3 * 3 + 2 * 10 * 3 + 3 + 3 + 1;
  connect(R"({"model": "mk410", "frequency": 50, "current": 8.3, "dc_link": 330, "inputs": 1})", silentMidSample);
  session.startmonmenu_Click();
  tick(2);
  const Lines written{kSessionLogHeader, "0,50,8.3,50.30303,330", "0.5,50,8.3,50.30303,330"};
  ASSERT_EQ(logLines(), written);
  EXPECT_TRUE(state.trend.visible("Image1on"));

  tick();
  EXPECT_EQ(communicationsErrors(), 2);
  EXPECT_TRUE(idle());
  EXPECT_FALSE(state.trend.visible("Image1on"));
  EXPECT_TRUE(state.trend.visible("Image1off"));
  EXPECT_EQ(logLines(), written);
}

TEST_F(SessionFaults, aLogThatCannotBeWrittenRefusesTheStartOrStopsTheSessionKeepingWhatWasWritten) {
  const std::string log = "The session log " + logPath().string();
  std::filesystem::create_directories(logPath() / "inside");
  session.startmonmenu_Click();
  ASSERT_EQ(titles(), Lines{"Session Log"});
  EXPECT_EQ(messages.shown[0].text, log + " could not be created:\nIs a directory");
  EXPECT_TRUE(idle());
  EXPECT_TRUE(std::filesystem::is_directory(logPath() / "inside"));

  std::filesystem::remove_all(logPath());
  const std::filesystem::path kept = folder() / "kept.csv";
  std::filesystem::create_symlink(kept, logPath());
  session.startmonmenu_Click();
  tick(2);
  const Lines written = linesOf(kept);
  ASSERT_EQ(written.size(), 3u);
  std::filesystem::remove(logPath());
  std::filesystem::create_symlink("/dev/full", logPath());
  tick(2);
  EXPECT_EQ(messages.shown.back().text, log + " could not be written:\nNo space left on device\n"
                                              "Monitoring has stopped; the lines already written are kept.");
  EXPECT_TRUE(idle());
  EXPECT_EQ(linesOf(kept), written);

  session.startmonmenu_Click();
  EXPECT_EQ(messages.shown.back().text, log + " could not be created:\nNo space left on device");
  EXPECT_EQ(titles(), Lines(3, "Session Log"));
}

// A tripped MK410 whose reset write is answered within 2 seconds is reset,
// paused for and monitored again; answered later, the user hears a beep,
// reads the message, and the session stops.
TEST_F(SessionFaults, resetAnsweredWithinTwoSecondsClearsTheTripAndLaterStopsTheSession) {
  for (const auto delay : {1800ms, 2600ms}) {
    sim::EngineOptions late;
    late.replyDelay = delay;
    late.replyDelayKind = sim::ExchangeKind::Write;
    connect(R"({"model": "mk410", "frequency": 50, "trips": [{"at": 0, "code": 7}]})", late);
    session.startmonmenu_Click();
    tick();
    ASSERT_TRUE(state.trend.visible("tripreset"));
    clock.sleeps.clear();
    if (delay < 2s) {
      session.tripreset_Click();
      EXPECT_EQ(clock.sleeps, std::vector<Clock::Duration>{2s});
      tick();
      EXPECT_FALSE(state.trend.visible("trippiccy"));
      EXPECT_TRUE(messages.shown.empty());
      session.stopmonmenu_Click();
    } else {
      tripWatch.resetmenu_Click();
      EXPECT_EQ(beeper.beeps, 1);
      EXPECT_EQ(titles(), Lines{kCommunicationsErrorTitle});
      EXPECT_EQ(communicationsErrors(), 1);
      EXPECT_TRUE(idle());
    }
  }
}

} // namespace
} // namespace orvane::testing
