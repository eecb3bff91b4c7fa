#include "fakes/trip_session_fixture.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

bool isCommandFrame(const Bytes& frame) { return frame.size() == 5 && frame[0] == 0x01; }

// Whether the frames sent are whole exchanges: command frame, data frame,
// acknowledge, again and again; `lastMayBeCut` allows a last exchange that a
// drive gone silent left without its data frame or acknowledge.
::testing::AssertionResult wholeExchanges(const std::vector<Bytes>& sends, bool lastMayBeCut = false) {
  for (std::size_t at = 0; at < sends.size(); at += 3) {
    const bool last = at + 3 >= sends.size();
    const bool command = isCommandFrame(sends[at]);
    const bool data = at + 1 < sends.size() && sends[at + 1][0] == 0x02;
    const bool acknowledge = at + 2 < sends.size() && sends[at + 2] == Bytes{kAcknowledge};
    if (!command || (!(data && acknowledge) && !(last && lastMayBeCut)))
      return ::testing::AssertionFailure() << "exchange cut at frame " << at << " of " << sends.size();
  }
  return ::testing::AssertionSuccess();
}

// The command frames sent after the first `from` frames, less the first one
// when the stop came as its exchange emptied the line before sending it.
std::size_t exchangesBegunAfter(const std::vector<Bytes>& sends, std::size_t from, bool stoppedAtRead) {
  const auto count = static_cast<std::size_t>(
      std::count_if(sends.begin() + static_cast<std::ptrdiff_t>(from), sends.end(), isCommandFrame));
  return stoppedAtRead && from < sends.size() && isCommandFrame(sends[from]) ? count - 1 : count;
}

// A session on the fake line and clock whose user presses "Stop Monitor" at
// the n-th point of the port's activity (after each send, before each read:
// every exchange boundary and every wait), as the window does: the link is
// asked to stop, the window shows the stop at once, and the link's thread
// closes the port once the job in progress has ended.
struct StoppedSession : TripSession {
  explicit StoppedSession(sim::Scenario drive, sim::EngineOptions options = {}) {
    connect(std::move(drive), options);
    for (const char* box :
         {"speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu", "inputmenu", "outputmenu"})
      state.options.setChecked(box, true);
    session.setClosePort([this] {
      if (!link.stopping())
        port.close();
    });
    port.onActivity = [this] {
      const bool read = port.sends.size() == sendsAtLastPoint;
      sendsAtLastPoint = port.sends.size();
      if (!read)
        lastSendAt = clock.now();
      if (armed && points++ == stopAt) {
        armed = false;
        stoppedAtRead = read;
        sendsAtStop = port.sends.size();
        timeAtStop = clock.now();
        boxesAtStop = messages.shown.size();
        link.requestStop();
        session.stopmonmenu_Click();
      }
    };
  }
  // Runs a job as the link's thread does.
  void job(const std::function<void()>& work) {
    work();
    if (link.stopping()) {
      port.close();
      link.resume();
    }
  }
  void arm(int point) {
    stopAt = point;
    points = 0;
    armed = true;
  }
  void tickAsTheWindowDoes() {
    clock.advance(std::chrono::milliseconds(500));
    if (state.trend.enabled("Timer1"))
      job([this] { session.Timer1_Timer(); });
  }

  int stopAt = -1;
  int points = 0;
  bool armed = false;
  std::size_t sendsAtLastPoint = 0;
  std::size_t sendsAtStop = 0;
  bool stoppedAtRead = false;
  std::size_t boxesAtStop = 0;
  Clock::Duration timeAtStop{};
  Clock::Duration lastSendAt{};
};

// The points of activity of `work` on a session that is never stopped.
int activityOf(sim::Scenario drive, const std::function<void(StoppedSession&)>& prepare,
               const std::function<void(StoppedSession&)>& work) {
  StoppedSession session(std::move(drive));
  prepare(session);
  session.arm(1 << 30);
  work(session);
  return session.points;
}

const auto kStarted = [](StoppedSession& s) {
  s.job([&] { s.session.startmonmenu_Click(); });
  s.tickAsTheWindowDoes();
  s.tickAsTheWindowDoes();
};
const auto kNothing = [](StoppedSession&) {};

TEST(StopMonitor, duringATickAtEveryPointLetsTheTickEndWholeWithItsLogLineThenClosesThePort) {
  for (const sim::Model model : {sim::Model::Q7Vector, sim::Model::MK410}) {
    const auto tick = [](StoppedSession& s) { s.tickAsTheWindowDoes(); };
    const int points = activityOf(driveOf(model), kStarted, tick);
    StoppedSession whole(driveOf(model));
    kStarted(whole);
    const std::size_t before = whole.port.sends.size();
    tick(whole);
    const std::vector<Bytes> wholeTick(whole.port.sends.begin() + static_cast<std::ptrdiff_t>(before),
                                       whole.port.sends.end());
    for (int point = 0; point < points; ++point) {
      SCOPED_TRACE(::testing::Message() << "model " << int(model) << ", stop at point " << point);
      StoppedSession s(driveOf(model));
      kStarted(s);
      const std::size_t start = s.port.sends.size();
      s.arm(point);
      tick(s);
      tick(s);
      EXPECT_EQ(std::vector<Bytes>(s.port.sends.begin() + static_cast<std::ptrdiff_t>(start), s.port.sends.end()),
                wholeTick);
      EXPECT_EQ(s.logLines().size(), 4u); // the header and three ticks
      EXPECT_FALSE(s.port.isOpen());
      EXPECT_FALSE(s.monitoring());
      EXPECT_FALSE(s.state.trend.enabled("Timer1"));
      EXPECT_EQ(s.state.trend.caption("displayspeed"), "");
    }
  }
}

// Start's identification and reads, the trip history read and Reset: a stop
// lets the exchange in progress finish and starts no other; no box follows.
TEST(StopMonitor, duringStartTripHistoryOrResetEndsAfterTheExchangeInProgress) {
  struct Job {
    const char* name;
    std::function<void(StoppedSession&)> prepare;
    std::function<void(StoppedSession&)> work;
  };
  sim::Scenario tripped = driveOf(sim::Model::Q7Vector, 2, 3);
  tripped.trips.push_back({0.2, 7, ""});
  const std::vector<Job> jobs{
      {"start", kNothing, [](StoppedSession& s) { s.job([&] { s.session.startmonmenu_Click(); }); }},
      {"trip history", kNothing, [](StoppedSession& s) { s.job([&] { s.trips.tripmenu_Click(); }); }},
      {"reset", kStarted, [](StoppedSession& s) { s.job([&] { s.session.tripreset_Click(); }); }},
  };
  for (const Job& work : jobs) {
    const int points = activityOf(tripped, work.prepare, work.work);
    ASSERT_GT(points, 6) << work.name;
    for (int point = 0; point < points; ++point) {
      SCOPED_TRACE(::testing::Message() << work.name << ", stop at point " << point);
      StoppedSession s(tripped);
      work.prepare(s);
      const std::size_t start = s.port.sends.size();
      s.arm(point);
      work.work(s);
      s.tickAsTheWindowDoes();
      EXPECT_TRUE(wholeExchanges({s.port.sends.begin() + static_cast<std::ptrdiff_t>(start), s.port.sends.end()}));
      EXPECT_EQ(exchangesBegunAfter(s.port.sends, s.sendsAtStop, s.stoppedAtRead), 0u);
      EXPECT_EQ(s.messages.shown.size(), s.boxesAtStop);
      EXPECT_TRUE(s.view.shown.empty());
      EXPECT_FALSE(s.port.isOpen());
      EXPECT_FALSE(s.monitoring());
    }
  }
}

// A drive that falls silent at any frame of a tick: under a stop the wait is
// given up within 100 ms of the stop or of the frame it waits on (had the
// reply not yet been due), with no retry, pause or message after it.
TEST(StopMonitor, duringASilentWaitOrTheRetriesGivesUpWithinATenthOfASecond) {
  for (int silentAfter = 1; silentAfter <= 12; ++silentAfter) {
    for (int point = 0; point < 12; ++point) {
      SCOPED_TRACE(::testing::Message() << "silent after " << silentAfter << ", stop at point " << point);
      StoppedSession s(driveOf(sim::Model::Q7Vector));
      s.job([&] { s.session.startmonmenu_Click(); });
      sim::EngineOptions options;
      options.silentAfterFrames = silentAfter;
      s.connect(driveOf(sim::Model::Q7Vector), options);
      s.arm(point);
      s.tickAsTheWindowDoes();
      ASSERT_FALSE(s.armed);
      EXPECT_FALSE(s.monitoring());
      EXPECT_FALSE(s.port.isOpen());
      EXPECT_LE(s.clock.now() - std::max(s.timeAtStop, s.lastSendAt), std::chrono::milliseconds(100));
      EXPECT_EQ(s.messages.shown.size(), s.boxesAtStop);
    }
  }
}

} // namespace
} // namespace orvane::testing
