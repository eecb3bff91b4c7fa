#include "fakes/trip_session_fixture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

bool isCommand(const Bytes& frame) { return frame.size() == 5 && frame[0] == 0x01; }

// "Stop Monitor" pressed at the n-th point of the port's activity (after each
// send, before each read: every exchange boundary and every wait), as the
// window presses it: the link asked to stop, the stop shown at once, the port
// closed by the link's thread once the job has ended.
struct StoppedSession : TripSession {
  StoppedSession(sim::Scenario drive, int stopPoint) : stopAt(stopPoint) {
    connect(std::move(drive));
    for (const char* box :
         {"currentmenu", "DCmenu", "directionmenu", "runningmenu", "inputmenu", "outputmenu", "directiongraph"})
      state.options.setChecked(box, true);
    session.setClosePort([this] {
      if (!link.stopping())
        port.close();
    });
    port.onActivity = [this] {
      const bool read = port.sends.size() == sent;
      sent = port.sends.size();
      lastSendAt = read ? lastSendAt : clock.now();
      if (points++ != stopAt)
        return;
      sentAtStop = sent;
      stoppedAtRead = read;
      stoppedAt = clock.now();
      boxes = messages.shown.size();
      link.requestStop();
      session.stopmonmenu_Click();
    };
  }
  void job(const std::function<void()>& work) {
    work();
    if (link.stopping())
      port.close(), link.resume();
  }
  void tickNow() {
    clock.advance(std::chrono::milliseconds(500));
    if (state.trend.enabled("Timer1"))
      job([this] { session.Timer1_Timer(); });
  }
  // Command frames sent after the stop, less that of an exchange begun before it.
  long exchangesBegunAfterStop() const {
    const long count =
        std::count_if(port.sends.begin() + static_cast<long>(sentAtStop), port.sends.end(), isCommand);
    return count - (stoppedAtRead && count > 0 && isCommand(port.sends[sentAtStop]));
  }
  std::vector<Bytes> sendsFrom(std::size_t from) const {
    return {port.sends.begin() + static_cast<long>(from), port.sends.end()};
  }

  int stopAt;
  int points = 0;
  std::size_t sent = 0, sentAtStop = 0, boxes = 0;
  bool stoppedAtRead = false;
  Clock::Duration stoppedAt{-1}, lastSendAt{};
};

using Job = std::function<void(StoppedSession&)>;
const Job kStart = [](StoppedSession& s) { s.job([&] { s.session.startmonmenu_Click(); }); };
const Job kTick = [](StoppedSession& s) { s.tickNow(); };

// Runs `prepare` unstopped, then `work` with a stop at its points.
void stopAtEveryPoint(const sim::Scenario& drive, const Job& prepare, const Job& work,
                      const std::function<void(StoppedSession&, std::size_t, const std::vector<Bytes>&)>& check) {
  StoppedSession whole(drive, -1);
  prepare(whole);
  const int from = whole.points;
  const std::size_t sendsFrom = whole.port.sends.size();
  work(whole);
  // Every point of the first two exchanges, then every seventh: each kind of point at each step.
  for (int point = from; point < whole.points; point += point - from < 20 ? 1 : 7) {
    SCOPED_TRACE(::testing::Message() << "stop at point " << point - from);
    StoppedSession s(drive, point);
    prepare(s);
    work(s);
    s.tickNow();
    EXPECT_FALSE(s.port.isOpen() || s.monitoring());
    EXPECT_EQ(s.messages.shown.size(), s.boxes);
    check(s, sendsFrom, whole.sendsFrom(sendsFrom));
  }
}

TEST(StopMonitor, duringATickLetsTheTickEndWholeWithItsLogLine) {
  for (const sim::Model model : {sim::Model::Q7Vector, sim::Model::MK410})
    stopAtEveryPoint(
        driveOf(model), [](StoppedSession& s) { kStart(s), kTick(s), kTick(s); }, kTick,
        [](StoppedSession& s, std::size_t from, const std::vector<Bytes>& wholeTick) {
          EXPECT_EQ(s.sendsFrom(from), wholeTick);
          EXPECT_EQ(s.logLines().size(), 4u); // the header and three ticks
        });
}

// Start, the trip history read and Reset end after the exchange in progress.
TEST(StopMonitor, duringStartTripHistoryOrResetEndsAfterTheExchangeInProgress) {
  sim::Scenario tripped = driveOf(sim::Model::Q7Vector, 2, 3);
  tripped.trips.push_back({0.2, 7, ""});
  const auto check = [](StoppedSession& s, std::size_t, const std::vector<Bytes>&) {
    EXPECT_EQ(s.exchangesBegunAfterStop(), 0);
    EXPECT_TRUE(s.view.shown.empty());
  };
  stopAtEveryPoint(
      tripped, [](StoppedSession&) {}, kStart, check);
  stopAtEveryPoint(
      tripped, [](StoppedSession&) {}, [](StoppedSession& s) { s.job([&] { s.trips.tripmenu_Click(); }); }, check);
  stopAtEveryPoint(
      tripped, [](StoppedSession& s) { kStart(s), kTick(s), kTick(s); },
      [](StoppedSession& s) { s.job([&] { s.session.tripreset_Click(); }); }, check);
}

// A drive fallen silent at any frame of a tick: the wait is given up within
// 100 ms of the stop or of its frame, with no retry, pause or message.
TEST(StopMonitor, duringASilentWaitOrTheRetriesGivesUpWithinATenthOfASecond) {
  for (const int silentAfter : {1, 2, 3, 5, 8, 12})
    for (const int point : {0, 1, 2, 4, 7, 11}) {
      StoppedSession s(driveOf(sim::Model::Q7Vector), -1);
      kStart(s);
      sim::EngineOptions options;
      options.silentAfterFrames = silentAfter;
      s.connect(driveOf(sim::Model::Q7Vector), options);
      s.stopAt = s.points + point;
      kTick(s);
      EXPECT_FALSE(s.port.isOpen() || s.monitoring()) << silentAfter << " " << point;
      EXPECT_LE(s.clock.now() - std::max(s.stoppedAt, s.lastSendAt), std::chrono::milliseconds(100));
      EXPECT_EQ(s.messages.shown.size(), s.boxes);
    }
}

std::string hex(const Bytes& bytes) {
  std::string text;
  for (const std::uint8_t byte : bytes)
    text += (text.empty() ? "" : " ") + std::string{"0123456789ABCDEF"[byte >> 4], "0123456789ABCDEF"[byte & 0xF]};
  return text;
}

// A whole session of each model, every byte both ways, one exchange a line
// ("> " a frame sent, "< " the drive's answer): Start with every box ticked,
// ticks, Stop pressed in the middle of a tick, the trip history read, a start
// that runs into a trip, Reset with its restart, the final stop. A change to
// the wire is a diff of tests/golden/<model>.txt (ORVANE_WRITE_GOLDEN=1 writes them).
class GoldenTranscript : public ::testing::TestWithParam<const char*> {};

TEST_P(GoldenTranscript, wholeSessionIsByteForByteTheRecordedWire) {
  sim::Scenario drive = shippedScenario(GetParam());
  drive.trips.push_back({6.2, 7, ""});
  StoppedSession s(std::move(drive), -1);
  std::vector<std::string> wire;
  s.port.setResponder([&, respond = s.port.responder()](const Bytes& sent) {
    std::vector<ScriptedSerialPort::Reply> replies = respond(sent);
    if (wire.empty() || isCommand(sent))
      wire.emplace_back();
    wire.back() += (wire.back().empty() ? "> " : " > ") + hex(sent);
    Bytes answer;
    for (const ScriptedSerialPort::Reply& reply : replies)
      answer.insert(answer.end(), reply.bytes.begin(), reply.bytes.end());
    if (!answer.empty())
      wire.back() += " < " + hex(answer);
    return replies;
  });
  kStart(s);
  s.tick(3);
  s.stopAt = s.points + 19;
  kTick(s);
  ASSERT_NE(s.stoppedAt, Clock::Duration{-1}) << "no stop in the tick";
  s.job([&] { s.trips.tripmenu_Click(); });
  kStart(s);
  s.tick(20);
  ASSERT_TRUE(s.state.trend.visible("tripreset")) << "the drive never tripped";
  s.job([&] { s.session.tripreset_Click(); });
  s.tick(2);
  s.session.stopmonmenu_Click();

  const std::string path = std::string(ORVANE_SOURCE_DIR) + "/tests/golden/" + GetParam() + ".txt";
  if (std::getenv("ORVANE_WRITE_GOLDEN"))
    for (std::ofstream file(path); const std::string& line : wire)
      file << line << '\n';
  std::ifstream file(path);
  std::string golden;
  for (std::size_t at = 0; at < wire.size() || file.peek() != EOF; ++at) {
    if (!std::getline(file, golden))
      golden = "(nothing)";
    ASSERT_EQ(at < wire.size() ? wire[at] : "(nothing)", golden) << "first differing exchange: line " << at + 1;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, GoldenTranscript, ::testing::Values("vector", "sc", "mk410", "profi"));

} // namespace
} // namespace orvane::testing
