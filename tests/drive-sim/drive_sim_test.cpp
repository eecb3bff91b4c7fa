#include "engine/drive.h"
#include "engine/paced_output.h"
#include "engine/scenario_json.h"
#include "fakes/engine_line.h"
#include "link/panel_exchanges.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using namespace sim;

// A read of 0xFC04 (2 bytes), and the drive's replies to it at 50.00 Hz.
const Bytes kReadFC04{0x01, 0x05, 0x03, 0x00, 0x06, 0x02, 0x02, 0x04, 0xFC, 0xFA, 0x06};
const Bytes kFiftyHertz{0x06, 0x06, 0x05, 0x03, 0x00, 0x06, 0x02, 0x13, 0x88, 0x9B};

Bytes operator+(Bytes first, const Bytes& second) {
  first.insert(first.end(), second.begin(), second.end());
  return first;
}

// Bytes straight into the engine, its replies joined.
Bytes feed(sim::ProtocolEngine& engine, const Bytes& bytes) {
  Bytes replies;
  for (const sim::Reply& reply : engine.feed(bytes, {}))
    replies = replies + reply.bytes;
  return replies;
}

sim::ProtocolEngine fiftyHertz() {
  sim::Scenario scenario;
  scenario.model = Model::Q7SingleCompact;
  scenario.frequency = sim::Timeline::constant(50);
  return sim::ProtocolEngine(sim::Drive(scenario));
}

TEST(Framing, transactionSplitIntoSingleBytesOrSentTwiceAtOnceGetsTheSameReplies) {
  sim::ProtocolEngine engine = fiftyHertz();
  Bytes replies;
  for (const std::uint8_t byte : kReadFC04)
    replies = replies + feed(engine, {byte});
  EXPECT_EQ(replies, kFiftyHertz);
  EXPECT_EQ(feed(engine, kReadFC04 + kReadFC04), kFiftyHertz + kFiftyHertz);
}

TEST(Framing, garbageFalseStartsBadOrUnknownFramesGiveWayToTheNextCommandFrame) {
  sim::ProtocolEngine engine = fiftyHertz();
  std::vector<std::string> transcript;
  engine.setTranscript([&transcript](const std::string& line) { transcript.push_back(line); });
  const Bytes readCommand{0x01, 0x05, 0x03, 0x00, 0x06};
  EXPECT_EQ(feed(engine, Bytes{0x55, 0xAA, 0x00, 0x06, 0x02} + readCommand), Bytes{0x06});
  ASSERT_FALSE(transcript.empty());
  EXPECT_EQ(transcript.front(), "skipped 5 bytes: 55 AA 00 06 02");
  EXPECT_EQ(feed(engine, Bytes{0x01, 0x01} + readCommand), Bytes{0x06}); // a false start
  feed(engine, {0x02, 0x02, 0x04, 0xFC, 0xFA});
  EXPECT_EQ(feed(engine, readCommand), Bytes{0x06});                 // the last exchange abandoned
  EXPECT_TRUE(feed(engine, {0x02, 0x02, 0x04, 0xFC, 0x00}).empty()); // a bad checksum
  EXPECT_TRUE(feed(engine, {0x06}).empty());
  EXPECT_EQ(feed(engine, {0x01, 0x33, 0x03, 0x00, 0x30}), Bytes{0x15}); // an unknown command
  feed(engine, readCommand);
  EXPECT_EQ(feed(engine, {0x02, 0x05, 0x04, 0xFC, 0xFD}), Bytes{0x15}); // a read of five bytes
  EXPECT_EQ(feed(engine, kReadFC04), kFiftyHertz);
}

TEST(Framing, exchangesAreLoggedWholeAbandonedOrLeftUnfinishedAsTheyWentOnTheWire) {
  sim::ProtocolEngine engine = fiftyHertz();
  std::vector<sim::WireExchange> logged;
  engine.setExchangeLog([&logged](const sim::WireExchange& exchange) { logged.push_back(exchange); });
  feed(engine, kReadFC04);
  feed(engine, Bytes(kReadFC04.begin(), kReadFC04.begin() + 7));
  EXPECT_EQ(engine.dropUnfinished(), "> 01 05 03 00 06 < 06 > 02 02");
  EXPECT_FALSE(engine.dropUnfinished());
  feed(engine, Bytes(kReadFC04.begin(), kReadFC04.begin() + 5) + kReadFC04); // a new command frame cuts the first
  ASSERT_EQ(logged.size(), 3u);
  EXPECT_EQ(
      logged[0].wire,
      "> 01 05 03 00 06 < 06 > 02 02 04 FC FA < 06 05 03 00 06 > 06 < 02 13 88 9B"); // as tests/golden writes it
  EXPECT_EQ(logged[0].role, "output frequency");
  EXPECT_EQ(logged[1].end, sim::WireExchange::End::Abandoned);
  EXPECT_EQ(logged[1].wire, "> 01 05 03 00 06 < 06");
  EXPECT_EQ(logged[2].wire, logged[0].wire);
}

// Trips and resets as the program's link sees them, at scenario times.
class SimulatedTrips : public ::testing::Test, protected EngineLine {
protected:
  void drive(Model model, double tripAt, int code) {
    sim::Scenario scenario;
    scenario.model = model;
    scenario.loopSeconds = 10;
    scenario.trips.push_back({tripAt, code, {}});
    connect(scenario);
    port.open();
    connectedAt = clock.now();
  }
  void at(double seconds) {
    clock.advance(connectedAt +
                  std::chrono::duration_cast<Clock::Duration>(std::chrono::duration<double>(seconds)) -
                  clock.now());
  }
  double read(std::uint16_t address, std::int16_t length = 1) {
    const LinkResult<double> value = link.read(address, length, 1);
    return value ? *value : kFailedRead;
  }
  std::string display() { return panel.displayText().value_or(""); }
  void pressReset(std::uint8_t command) {
    link.exchange(commandFrame(command, 5), dataFrame(Bytes{0x02, 0x00, 0x00, 0x00, 0x04}), 2);
  }

  Clock::Duration connectedAt{};
  PanelExchanges panel{link};
};

TEST_F(SimulatedTrips, tripShowsErrFromItsTimeUntilResetOnTheCommandOfTheModelsGroup) {
  drive(Model::Q7SingleCompact, 5, 3);
  at(4.9);
  EXPECT_FALSE(display().starts_with("ERR"));
  at(5);
  EXPECT_EQ(display(), "ERR E03 OVERVOLT");
  pressReset(0x23);
  EXPECT_TRUE(display().starts_with("ERR"));
  pressReset(0x09);
  EXPECT_FALSE(display().starts_with("ERR"));
}

TEST_F(SimulatedTrips, threeTripRingFillsAreasThreeTwoOneThenGoesRound) {
  drive(Model::Q7SingleCompact, 0, 3);
  const double expectedIndex[] = {4, 3, 2, 1, 0, 2};
  for (int trip = 0; trip < 6; ++trip) {
    at(trip * 10);
    EXPECT_EQ(read(0xF88A), expectedIndex[trip]) << trip;
    pressReset(0x09);
  }
  EXPECT_EQ(read(0xF88B), 6);
}

TEST_F(SimulatedTrips, sixTripRingStartsAtAreaTwoAndWrapsToAreaOne) {
  drive(Model::Q7Profi, 0, 7);
  for (int trip = 0; trip < 6; ++trip) {
    at(trip * 10);
    EXPECT_EQ(read(0x0363), (trip + 1) % 6) << trip;
    pressReset(0x23);
  }
  EXPECT_EQ(read(0x0364), 7); // area 1, after the wrap
  EXPECT_EQ(read(0x0360, 2), 6);
}

TEST(Pacing, tenBytesAt4800BaudTakeTheirWireTime) {
  PacedOutput line(4800);
  const Bytes reply(10, 0x00);
  const PacedOutput::Time done = line.enqueue(reply, 1s);
  EXPECT_EQ(done, 1s + 22'916'666ns);
  EXPECT_EQ(line.nextDue(), 1s + 2'291'666ns);
  EXPECT_TRUE(line.takeDue(1s + 2'291'665ns).empty());
  EXPECT_EQ(line.takeDue(1s + 5ms).size(), 2u);
  EXPECT_EQ(line.takeDue(done).size(), 8u);
  EXPECT_FALSE(line.nextDue());
}

TEST(Pacing, longRunDoesNotDrift) {
  PacedOutput line(4800);
  const Bytes one{0x55};
  PacedOutput::Time done{};
  for (int byte = 0; byte < 4800; ++byte)
    done = line.enqueue(one, {});
  EXPECT_EQ(done, 11s);
}

TEST(Pacing, replyQueuedWhileTheLineIsBusyWaitsForItAndAnIdleLineStartsAfresh) {
  PacedOutput line(4800);
  line.enqueue(Bytes(2, 0), {});
  EXPECT_EQ(line.enqueue(Bytes(1, 0), 1ms), 6'875'000ns);
  EXPECT_EQ(line.enqueue(Bytes(1, 0), 1s), 1s + 2'291'666ns);
}

TEST(Scenarios, timelinesStepsWordsAndMemoryParse) {
  const Scenario scenario = parseScenario(R"({
    "model": ">Talvik< Q7 vector", "loop_seconds": 60,
    "frequency": {"points": [[0, 0], [10, 50]]},
    "run_state": {"steps": [[0, "stopped"], [5, "reverse"]]},
    "inputs": "0x0301", "voltage_class": "high",
    "trips": [{"at": 30, "code": 5, "text": "ERR OL"}],
    "history": {"counter": 1, "index": 4, "records": [
      {"area": 3, "code": 5, "frequency": 45, "percent": 150, "dc_link": 566, "hours": 305}]},
    "memory": {"0xFC04": "13 88"}})");
  EXPECT_EQ(scenario.model, Model::Q7Vector);
  EXPECT_DOUBLE_EQ(scenario.frequency.at(5), 25);
  ASSERT_TRUE(scenario.runState);
  EXPECT_DOUBLE_EQ(scenario.runState->at(6), kReverse);
  EXPECT_DOUBLE_EQ(scenario.inputs.at(0), 0x0301);
  EXPECT_EQ(scenario.voltageClass, 1);
  ASSERT_EQ(scenario.trips.size(), 1u);
  EXPECT_EQ(scenario.trips[0].text, "ERR OL");
  ASSERT_EQ(scenario.history.size(), 1u);
  EXPECT_EQ(scenario.history[0].area, 3);
  EXPECT_EQ(scenario.memory.at(0xFC04), (Bytes{0x13, 0x88}));
}

TEST(Scenarios, mistakesAreNamed) {
  const std::pair<const char*, const char*> mistakes[] = {
      {R"({"frequncy": 50})", "frequncy: unknown key"},
      {R"({"model": "Q9"})", "model:"},
      {R"({"loop_seconds": 60, "trips": [{"at": 60, "code": 1}]})", "trips.at:"},
      {R"({"model": "sc", "history": {"counter": 1, "index": 4, "records": [{"area": 4}]}})",
       "history.records.area:"},
      {R"({"frequency": {"points": [[10, 0], [5, 1]]}})", "frequency.points:"},
      {R"({"memory": {"0xFC04": "1G"}})", "memory.0xFC04:"},
      {R"({"frequency": 50,)", "not valid JSON"},
  };
  for (const auto& [json, message] : mistakes) {
    try {
      parseScenario(json);
      ADD_FAILURE() << json;
    } catch (const ScenarioError& error) {
      EXPECT_TRUE(std::string(error.what()).starts_with(message)) << error.what();
    }
  }
}

} // namespace
} // namespace orvane::testing
