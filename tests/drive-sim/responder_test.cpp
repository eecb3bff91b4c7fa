#include "engine_responder.h"
#include "fakes/fake_line.h"
#include "link/link.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// The link's own ReadAddress against the simulated drive, in-process.
class EngineResponderTest : public ::testing::Test, protected testing::FakeLine {
protected:
  void answerWith(sim::EngineOptions options, int baud = 0) {
    sim::Scenario scenario;
    scenario.model = sim::Model::Q7SingleCompact;
    scenario.frequency = sim::Timeline::constant(50);
    engine = std::make_unique<sim::ProtocolEngine>(sim::Drive(scenario), options);
    port.setResponder(engineResponder(*engine, clock, baud));
    port.open();
  }

  std::unique_ptr<sim::ProtocolEngine> engine;
};

TEST_F(EngineResponderTest, readAddressGetsTheScenarioValue) {
  answerWith({});
  EXPECT_EQ(link.readAddress(0xFC04, 2, 100), 50.0);
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(EngineResponderTest, pacedRepliesTakeTheirWireTime) {
  answerWith({}, 4800);
  const Clock::Duration start = clock.now();
  EXPECT_EQ(link.readAddress(0xFC04, 2, 100), 50.0);
  // The host answers at once, so the drive's 10 bytes go out as one unbroken run.
  EXPECT_EQ(clock.now() - start, 22'916'666ns);
}

TEST_F(EngineResponderTest, noAckReplyFailsTheReadAfterTwoSeconds) {
  sim::EngineOptions options;
  options.noAckReply = true;
  answerWith(options);
  const Clock::Duration start = clock.now();
  EXPECT_EQ(link.readAddress(0xFC04, 2, 100), 9999.0);
  EXPECT_GT(clock.now() - start, 2s);
  EXPECT_EQ(messages.shown.size(), 1u);
}

} // namespace
} // namespace orvane::testing
