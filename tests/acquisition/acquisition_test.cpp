#include "acquisition/acquisition.h"
#include "fakes/engine_line.h"
#include "fakes/recording_acquisition_events.h"
#include "link/models.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using Seen = std::vector<std::string>;

class AcquisitionTest : public ::testing::Test, protected EngineLine {
protected:
  TickPlan everything(const char* model) { return TickPlan{model, 2, true, true, true, true, true, true, true}; }

  static sim::EngineOptions silent() {
    sim::EngineOptions options;
    options.silent = true;
    return options;
  }

  RecordingAcquisitionEvents events;
  Acquisition acquisition{link, events};
};

TEST_F(AcquisitionTest, aTickReadsTheDisplayThenEveryPlannedValueInOrderAsTheDriveHoldsIt) {
  connect(R"({"model": "mk410", "frequency": 50, "current": 8.3, "dc_link": 330, "inputs": 5, "outputs": 2,
              "run_state": "reverse"})");
  const Reading reading = acquisition.tick(everything(model::kMk410));
  EXPECT_FALSE(reading.failure || reading.tripped);
  EXPECT_FLOAT_EQ(*reading.frequency, 50);
  EXPECT_EQ(reading.frequencyRunState, 2.0f);
  EXPECT_DOUBLE_EQ(*reading.current, 8.3);
  EXPECT_NEAR(*reading.currentPercent, 50.30303, 1e-5);
  EXPECT_FLOAT_EQ(*reading.ratedCurrent, 16.5f);
  EXPECT_DOUBLE_EQ(*reading.dcLink, 330);
  EXPECT_EQ(reading.runState, 2.0f);
  EXPECT_EQ(reading.inputs, 5);
  EXPECT_EQ(reading.outputs, 2);
  EXPECT_EQ(port.sends.front(), (Bytes{0x01, 0x24, 0x03, 0x00, 0x27})); // the panel block first
  const std::vector<WireRead> reads{{0x0400, 4}, {0x044A, 1}, {0x042C, 2}, {0x03F4, 1}, {0x03F2, 1},
                                    {0x03F3, 1}, {0x043C, 2}, {0x044A, 1}, {0x042E, 2}, {0x0446, 2}};
  EXPECT_EQ(memoryReads(port.sends), reads);
  EXPECT_TRUE(events.seen.empty());
  EXPECT_EQ(link.health(), (LinkHealth{11, 0, 0, 0}));

  // The three-trip models count the DC link in units of their voltage class.
  connect(R"({"model": "vector", "dc_link": 280})");
  TickPlan plan{model::kVector, 2};
  plan.dcLink = true;
  EXPECT_DOUBLE_EQ(*acquisition.tick(plan).dcLink, 560);
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0xFA14, 2}}));
}

TEST_F(AcquisitionTest, aTrippedDriveEndsTheTickAfterTheDisplayAndAFailedReadEndsItThere) {
  connect(R"({"model": "sc", "trips": [{"at": 0, "code": 7}]})");
  const Reading tripped = acquisition.tick(everything(model::kSingleCompact));
  EXPECT_TRUE(tripped.tripped && tripped.displayText->starts_with("ERR"));
  EXPECT_EQ(port.sends.size(), 3u);

  sim::EngineOptions silentAfterCurrent;
  silentAfterCurrent.silentAfterFrames = 3 + 3 + 3 + 1;
  connect(R"({"model": "sc"})", silentAfterCurrent);
  const Reading failed = acquisition.tick(everything(model::kSingleCompact));
  ASSERT_TRUE(failed.failure);
  EXPECT_EQ(failed.failure->step, Reading::Step::Current);
  EXPECT_EQ(failed.failure->why, LinkFailure::ReadTimedOut);
  EXPECT_TRUE(failed.frequency && failed.frequencyRunState && !failed.current && !failed.runState);
  EXPECT_EQ(port.sends.size(), 3u + 3 + 3 + 2);
}

// Each failed attempt of the six-trip models beeps and shows the message;
// then a beep and a 2-second pause come before each of the four retries.
TEST_F(AcquisitionTest, aSilentDisplayIsRetriedFourTimesAfterABeepAndAPauseEach) {
  connect(driveOf(sim::Model::MK410), silent());
  const Reading reading = acquisition.tick(everything(model::kMk410));
  ASSERT_TRUE(reading.failure);
  EXPECT_EQ(reading.failure->step, Reading::Step::Display);
  EXPECT_EQ(clock.sleeps, std::vector<Clock::Duration>(4, 2s));
  Seen expected{"beep", "message"};
  for (int retry = 1; retry <= 4; ++retry)
    expected.insert(expected.end(), {"beep", "retry " + std::to_string(retry) + " of 4", "beep", "message"});
  expected.push_back("retries over");
  EXPECT_EQ(events.seen, expected);
  EXPECT_EQ(port.sends.size(), 5u);
  EXPECT_EQ(link.health(), (LinkHealth{5, 5, 4, 0}));
}

TEST_F(AcquisitionTest, theStartReadsAndTheResetGiveValuesAndBeepOnlyForTheirOwnTimeOuts) {
  connect(R"({"model": "profi", "max_frequency": 60, "voltage_class": "high"})");
  EXPECT_EQ(*acquisition.identify(), model::kProfi);
  EXPECT_FLOAT_EQ(*acquisition.readMaxSpeed(model::kProfi), 60);
  EXPECT_EQ(*acquisition.readVoltCode(model::kProfi), 2);
  EXPECT_TRUE(acquisition.writeStartOfMonitoring(model::kProfi));
  EXPECT_TRUE(acquisition.sendReset(model::kProfi));
  EXPECT_TRUE(events.seen.empty());

  connect(driveOf(sim::Model::Q7Vector), silent());
  EXPECT_EQ(acquisition.identify().failure(), LinkFailure::ReadTimedOut);
  EXPECT_EQ(acquisition.readMaxSpeed(model::kVector).failure(), LinkFailure::ReadTimedOut);
  EXPECT_TRUE(events.seen.empty());
  EXPECT_FALSE(acquisition.writeStartOfMonitoring(model::kVector));
  EXPECT_FALSE(acquisition.sendReset(model::kVector));
  EXPECT_EQ(events.seen, (Seen{"beep", "beep"}));
  clock.sleeps.clear();
  EXPECT_TRUE(acquisition.waitAfterReset());
  EXPECT_EQ(clock.sleeps, std::vector<Clock::Duration>{2s});
}

} // namespace
} // namespace orvane::testing
