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

TEST(Trips, tripShowsErrUntilResetOnTheCommandOfTheModelsGroup) {
  ProtocolEngine engine{Drive(trippingAt(Model::Q7SingleCompact, 10, 3))};
  Host host(engine);
  host.at(9);
  EXPECT_FALSE(host.displayText().starts_with("ERR"));
  host.at(10);
  EXPECT_EQ(host.displayText(), "ERR E03 OVERVOLT");
  host.at(20);
  host.panelWrite(kResetKey, 0x23);
  EXPECT_TRUE(host.displayText().starts_with("ERR"));
  EXPECT_EQ(host.exchange(0x09, {0x02, 0x00, 0x00, 0x00, 0x04}).final.size(), 2u);
  EXPECT_FALSE(host.displayText().starts_with("ERR"));

  ProtocolEngine mk410{Drive(trippingAt(Model::MK410, 0, 7))};
  Host mkHost(mk410);
  mkHost.panelWrite(kResetKey, 0x09);
  EXPECT_TRUE(mkHost.panelBlockText().starts_with("ERR"));
  mkHost.panelWrite(kResetKey, 0x23);
  EXPECT_FALSE(mkHost.panelBlockText().starts_with("ERR"));

  Scenario ownText = trippingAt(Model::Q7Vector, 0, 37);
  ownText.trips[0].text = "ERR  E37 EXT";
  ProtocolEngine vector{Drive(ownText)};
  EXPECT_EQ(Host(vector).displayText(), "ERR  E37 EXT    ");
}

TEST(Trips, trippedDriveStopsAndRaisesTheAlarmOutput) {
  ProtocolEngine engine{Drive(trippingAt(Model::MK410, 0, 7))};
  Host host(engine);
  EXPECT_EQ(host.panelBlockText().substr(0, 16), "ERR E07 OVERVOLT");
  EXPECT_EQ(host.read(0x0400, 4), (Bytes{0, 0, 0, 0}));
  EXPECT_EQ(host.read(0x044A, 1), Bytes{0x00});
  EXPECT_EQ(host.read(0x0446, 2), (Bytes{0x00, 0x20}));
}

TEST(Trips, loopingTripRecursAfterAReset) {
  Scenario scenario = trippingAt(Model::Q7SingleCompact, 5, 3);
  scenario.loopSeconds = 60;
  ProtocolEngine engine{Drive(scenario)};
  Host host(engine);
  host.at(6);
  host.panelWrite(kResetKey);
  host.at(64);
  EXPECT_FALSE(host.displayText().starts_with("ERR"));
  host.at(65);
  EXPECT_TRUE(host.displayText().starts_with("ERR"));
  EXPECT_EQ(engine.drive().history().counter(), 2);
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

TEST(Trips, liveTripRecordsTheValuesAtTheTrip) {
  ProtocolEngine engine{Drive(trippingAt(Model::Q7SingleCompact, 3600, 3))};
  Host host(engine);
  host.at(3600);
  EXPECT_EQ(host.read(0xF8A3, 1), Bytes{0x03});
  EXPECT_EQ(host.read(0xF8A4, 2), (Bytes{0x13, 0x88}));
  EXPECT_EQ(host.read(0xF8A6, 2), (Bytes{0x1D, 0x4C}));
  EXPECT_EQ(host.read(0xF8A8, 2), (Bytes{0x16, 0x12}));
  EXPECT_EQ(host.read(0xF8A0, 3), (Bytes{0x00, 0x02, 0x90})); // 11 hours
}

} // namespace
} // namespace orvane::sim::testing
