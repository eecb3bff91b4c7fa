#include "engine/protocol_engine.h"
#include "engine/scenario_json.h"
#include "fakes/program_fixture.h"

#include <QAction>
#include <atomic>
#include <fstream>
#include <sstream>
#include <thread>

namespace orvane::testing {
namespace {

// The program with its link worker against the simulated drive in-process,
// monitoring with "Speed (Hz)" ticked. The sampling timer is driven by hand.
class WindowLinkWork : public ProgramTest {
protected:
  WindowLinkWork() {
    port.setResponder([this, start = clock.now()](const Bytes& sent) {
      answering = true;
      while (held && !link.stopping())
        std::this_thread::yield();
      std::vector<ScriptedSerialPort::Reply> replies;
      if (!silent)
        for (sim::Reply& reply : engine.feed(sent, clock.now() - start))
          replies.push_back({std::move(reply.bytes), reply.delay});
      return replies;
    });
    program.Main();
    state().options.setChecked("speedmenu", true);
    control<QAction>("startmonmenu")->trigger();
    waitUntil([this] { return !program.commands()->linkBusy(); });
    // Only the test's own ticks.
    state().trend.setValue("Timer1", 3'600'000);
  }

  SharedState& state() { return program.state(); }
  bool monitoring() { return state().trend.checked("startmonmenu"); }
  void tick() { QMetaObject::invokeMethod(control<QTimer>("Timer1"), "timeout"); }
  // Lets events run until the condition holds.
  static void waitUntil(const std::function<bool()>& condition) {
    while (!condition()) {
      QCoreApplication::processEvents();
      std::this_thread::yield();
    }
  }

  sim::ProtocolEngine engine{sim::Drive(sim::parseScenario(R"({"model": "vector", "frequency": 50})"))};
  bool silent = false;
  // The drive answers nothing until the test lets it go or the link stops.
  std::atomic<bool> held = false;
  std::atomic<bool> answering = false;
};

// The trip history window is modal, yet the link is free while it is open; busy ticks are skipped.
TEST_F(WindowLinkWork, samplingGoesOnWhileTheTripHistoryWindowIsOpenAndBusyTicksAreSkipped) {
  ASSERT_TRUE(monitoring());
  int sampledWhileOpen = -1;
  int before = 0;
  bool ticked = false;
  QTimer watch;
  QObject::connect(&watch, &QTimer::timeout, [&] {
    QWidget* window = QApplication::activeModalWidget();
    if (!window || program.commands()->linkBusy())
      return;
    if (!ticked) {
      before = state().graph.samplecount;
      held = true;
      tick(), tick(); // the second falls due while the first is on the link: skipped
      held = false;
      ticked = true;
      return;
    }
    sampledWhileOpen = state().graph.samplecount - before;
    window->close();
    watch.stop();
  });
  watch.start(0);
  control<QAction>("tripmenu")->trigger();
  waitUntil([&] { return sampledWhileOpen >= 0; });
  EXPECT_EQ(sampledWhileOpen, 1);
  EXPECT_EQ(state().trend.caption("displayspeed"), "50");
}

// Exit while the drive answers a tick: the tick ends whole, with its session
// log line, though the window has gone.
TEST_F(WindowLinkWork, exitDuringATickLeavesTheTickItsLogLine) {
  held = true;
  answering = false;
  tick();
  waitUntil([this] { return bool(answering); });
  QTimer::singleShot(0, program.trend(), &QWidget::close);
  EXPECT_EQ(runEventLoop(), 0);
  std::ifstream log(std::string(std::getenv("HOME")) + "/Trend.CSV");
  const std::string text{std::istreambuf_iterator<char>(log), {}};
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 2); // the header and the tick
}

// A drive falls silent: the window's title says which retry of the display
// read is coming, and says nothing more once they are over.
TEST_F(WindowLinkWork, theTitleSaysWhileTheSilentDriveIsRetried) {
  std::vector<std::string> titles;
  QObject::connect(program.trend(), &QWidget::windowTitleChanged,
                   [&](const QString& title) { titles.push_back(title.toStdString()); });
  silent = true;
  tick();
  waitUntil([&] { return !monitoring(); });
  waitUntil([&] { return !program.commands()->linkBusy() && titles.size() == 5; });
  QCoreApplication::processEvents();
  std::vector<std::string> expected;
  for (int retry = 1; retry <= 4; ++retry)
    expected.push_back("Orvane Trend Analysis - No answer from the drive: retry " + std::to_string(retry) +
                       " of 4");
  expected.push_back("Orvane Trend Analysis");
  EXPECT_EQ(titles, expected);
  EXPECT_EQ(beeper.beeps, 5 + 4); // each attempt, and before each retry
}

// Stop Monitor wakes the tick's wait on a silent drive at once: nothing more
// is sent, nothing is shown, the port is closed and the log ends with a
// whole line.
TEST_F(WindowLinkWork, stopDuringATimeOutAbandonsTheWaitAndSendsNothingMore) {
  tick();
  waitUntil([this] { return !program.commands()->linkBusy(); });
  silent = true;
  port.holdSilentWaits = true;
  tick();
  waitUntil([this] { return port.heldWaits > 0; });
  const std::size_t sent = port.sends.size();
  control<QAction>("stopmonmenu")->trigger();
  waitUntil([this] { return !program.commands()->linkBusy(); });
  EXPECT_EQ(port.sends.size(), sent);
  EXPECT_EQ(port.closes, port.opens); // the port's calls are the link's: its counts are read here
  EXPECT_FALSE(monitoring());
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(beeper.beeps, 0);
  std::stringstream content;
  content << std::ifstream(SessionLog::defaultPath(), std::ios::binary).rdbuf();
  const std::string log = content.str();
  EXPECT_TRUE(log.ends_with("\r\n"));
  EXPECT_EQ(std::count(log.begin(), log.end(), '\n'), 2); // the header and the first tick's line
}

} // namespace
} // namespace orvane::testing
