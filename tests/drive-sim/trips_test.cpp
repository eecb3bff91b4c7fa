#include "host.h"

#include <gtest/gtest.h>

namespace orvane::sim::testing {
namespace {

constexpr std::uint16_t kResetKey = 0x0004;

Scenario trippingAt(Model model, double at, int code) {
  Scenario scenario = scenarioFor(model);
  scenario.frequency = Timeline::constant(50);
  scenario.current = Timeline::constant(6);
  scenario.percent = Timeline::constant(75);
  scenario.dcLink = Timeline::constant(565);
  scenario.runningHours = 10;
  scenario.trips.push_back({at, code, {}});
  return scenario;
}

TEST(Trips, tripShowsErrFromItsTimeUntilResetOnTheCommandOfTheModelsGroup) {
  ProtocolEngine engine{Drive(trippingAt(Model::Q7SingleCompact, 10, 3))};
  Host host(engine);
  host.at(9);
  EXPECT_FALSE(host.displayText().starts_with("ERR"));
  host.at(10);
  EXPECT_EQ(host.displayText(), "ERR E03 OVERVOLT");
  host.panelWrite(kResetKey, 0x23);
  EXPECT_TRUE(host.displayText().starts_with("ERR"));
  host.panelWrite(kResetKey, 0x09);
  EXPECT_FALSE(host.displayText().starts_with("ERR"));
}

TEST(Trips, threeTripRingFillsAreasThreeTwoOneThenGoesRound) {
  Scenario scenario = trippingAt(Model::Q7SingleCompact, 0, 3);
  scenario.loopSeconds = 10;
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  const int expectedIndex[] = {4, 3, 2, 1, 0, 2};
  for (int trip = 0; trip < 6; ++trip) {
    host.at(trip * 10);
    EXPECT_EQ(host.read(0xF88A, 1), Bytes{static_cast<std::uint8_t>(expectedIndex[trip])}) << trip;
    ASSERT_TRUE(engine.drive().tripped());
    host.panelWrite(kResetKey);
  }
  EXPECT_EQ(host.read(0xF88B, 1), Bytes{0x06});
}

TEST(Trips, sixTripRingStartsAtAreaTwoAndWrapsToAreaOne) {
  Scenario scenario = trippingAt(Model::Q7Profi, 0, 7);
  scenario.loopSeconds = 10;
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  for (int trip = 0; trip < 6; ++trip) {
    host.at(trip * 10);
    EXPECT_EQ(host.read(0x0363, 1), Bytes{static_cast<std::uint8_t>((trip + 1) % 6)}) << trip;
    host.panelWrite(kResetKey, 0x23);
  }
  EXPECT_EQ(host.read(0x0364, 1), Bytes{0x07}); // area 1, after the wrap
  EXPECT_EQ(host.read(0x0360, 2), (Bytes{0x00, 0x06}));
}

} // namespace
} // namespace orvane::sim::testing
