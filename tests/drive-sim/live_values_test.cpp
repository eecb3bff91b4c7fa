#include "host.h"

#include <gtest/gtest.h>

namespace orvane::sim::testing {
namespace {

Scenario running(Model model, double frequency, double current) {
  Scenario scenario = scenarioFor(model);
  scenario.frequency = Timeline::constant(frequency);
  scenario.current = Timeline::constant(current);
  return scenario;
}

TEST(LiveValues, runStateAndTerminalWordsAtEachModelsAddresses) {
  struct Case {
    Model model;
    std::uint16_t runState, inputs, outputs;
    int wordLength;
  };
  const Case cases[] = {{Model::Q7SingleCompact, 0xFC50, 0xFB5F, 0xFC22, 1},
                        {Model::Q7Vector, 0xFC8D, 0xFB93, 0xFC5E, 1},
                        {Model::MK410, 0x044A, 0x042E, 0x0446, 2},
                        {Model::Q7Profi, 0x044A, 0x042E, 0x0446, 2}};
  for (const Case& c : cases) {
    SCOPED_TRACE(layoutOf(c.model).name);
    Scenario scenario = running(c.model, 10, 1);
    scenario.inputs = Timeline::constant(0x15);
    scenario.outputs = Timeline::constant(0x03);
    ProtocolEngine engine{Drive(scenario)};
    Host host(engine);
    EXPECT_EQ(host.read(c.runState, 1), Bytes{0x01});
    EXPECT_EQ(host.read(c.inputs, c.wordLength).back(), 0x15);
    EXPECT_EQ(host.read(c.outputs, c.wordLength).back(), 0x03);

    ProtocolEngine reverse{Drive(running(c.model, -35, 3))};
    EXPECT_EQ(Host(reverse).read(c.runState, 1), Bytes{0x02});
    scenario.runState = Timeline::constant(7);
    ProtocolEngine explicitState{Drive(scenario)};
    EXPECT_EQ(Host(explicitState).read(c.runState, 1), Bytes{0x07});
  }
}

TEST(LiveValues, reverseReadsTheMagnitudeAndPercentDefaultsToCurrentOverRatedCurrent) {
  Scenario scenario = running(Model::Q7Vector, -35, 4.2);
  scenario.ratedCurrent = 5;
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  EXPECT_EQ(host.read(0xFC40, 2), (Bytes{0x0D, 0xAC}));
  EXPECT_EQ(host.read(0xF96C, 2), (Bytes{0x03, 0x48})); // 84.0 %
}

TEST(LiveValues, timelinesInterpolateStepAndLoop) {
  Scenario scenario = scenarioFor(Model::Q7SingleCompact);
  scenario.loopSeconds = 100;
  scenario.frequency = Timeline(Timeline::Shape::Linear, {{0, 0}, {10, 50}, {20, 50}});
  scenario.inputs = Timeline(Timeline::Shape::Steps, {{0, 1}, {5, 3}});
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  host.at(4);
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x07, 0xD0})); // 20.00 Hz
  EXPECT_EQ(host.read(0xFB5F, 1), Bytes{0x01});
  host.at(15);
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x13, 0x88}));
  EXPECT_EQ(host.read(0xFB5F, 1), Bytes{0x03});
  host.at(105); // the loop starts again
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x09, 0xC4}));
}

TEST(LiveValues, rawMemoryOverridesAndAddressWritesReadBack) {
  Scenario scenario = running(Model::Q7SingleCompact, 50, 0);
  scenario.memory[0xFC04] = {0x27, 0x0F};
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x27, 0x0F}));
  const Host::Exchange write = host.exchange(0x01, {0x02, 0x16, 0xFA, 0xF8, 0x0C});
  EXPECT_EQ(write.command, Bytes{0x06});
  EXPECT_EQ(write.data.size(), 5u);
  EXPECT_EQ(write.final.size(), 2u);
  EXPECT_EQ(host.read(0xFA16, 2), (Bytes{0xF8, 0x0C}));
}

} // namespace
} // namespace orvane::sim::testing
