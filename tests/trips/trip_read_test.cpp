#include "trips/trip_bench.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using sim::Model;
using Captions = std::vector<std::string>;

// The counter, the index, then per area Code, Hz, Amp, Volts and the running
// time, at the model's addresses.
std::vector<WireRead> expectedReads(Model model, const std::vector<int>& areas) {
  const bool six = model == Model::MK410 || model == Model::Q7Profi;
  const std::uint16_t counter = six ? 0x0360 : model == Model::Q7Vector ? 0xF889 : 0xF88B;
  std::vector<WireRead> reads{{counter, six ? 2 : 1}, {static_cast<std::uint16_t>(six ? 0x0363 : counter - 1), 1}};
  for (const int area : areas) {
    const int base =
        six ? 0x0364 + 20 * (area - 1) : (model == Model::Q7Vector ? 0xF88A : 0xF88C) + 10 * (area - 1);
    const auto at = [base](int offset) { return static_cast<std::uint16_t>(base + offset); };
    const std::vector<WireRead> record =
        six ? std::vector<WireRead>{{at(0), 1}, {at(4), 4}, {at(8), 2}, {at(10), 2}, {at(12), 2}}
            : std::vector<WireRead>{{at(3), 1}, {at(4), 2}, {at(6), 2}, {at(8), 2}, {at(0), 3}};
    reads.insert(reads.end(), record.begin(), record.end());
  }
  return reads;
}

// Reads a drive's history and checks what went over the wire. A complete
// record closes the port; an index out of range reads none and leaves it open.
void expectAreasRead(Model model, int counter, int index, const std::vector<int>& areas) {
  SCOPED_TRACE(::testing::Message() << "model " << int(model) << ", counter " << counter << ", index " << index);
  TripBench bench;
  bench.connect(driveWithHistory(model, counter, index));
  bench.trips.tripmenu_Click();
  EXPECT_EQ(bench.historyReads(), expectedReads(model, areas));
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.shownWindow().Totaltrip, std::to_string(counter));
  EXPECT_EQ(bench.port.closes, static_cast<int>(areas.size()));
  EXPECT_EQ(bench.port.isOpen(), areas.empty());
}

TEST(TripHistoryRead, threeTripAreasAreReadNewestFirstForEveryIndex) {
  for (const Model model : {Model::Q7SingleCompact, Model::Q7Vector}) {
    expectAreasRead(model, 200, 4, {3});
    expectAreasRead(model, 200, 3, {2, 3});
    expectAreasRead(model, 200, 2, {1, 2, 3});
    expectAreasRead(model, 1, 1, {3, 1, 2}); // the counter plays no part
    expectAreasRead(model, 200, 0, {2, 3, 1});
    expectAreasRead(model, 200, 5, {});
  }
}

TEST(TripHistoryRead, sixTripAreasAboveTheNewestAreReadOnlyOnceTheCounterReachesSix) {
  expectAreasRead(Model::MK410, 1, 0, {1, 6, 5, 4, 3, 2});
  expectAreasRead(Model::MK410, 5, 1, {2});
  expectAreasRead(Model::MK410, 6, 1, {2, 1, 6, 5, 4, 3});
  expectAreasRead(Model::MK410, 2, 2, {3, 2});
  expectAreasRead(Model::MK410, 700, 2, {3, 2, 1, 6, 5, 4});
  expectAreasRead(Model::MK410, 5, 3, {4, 3, 2});
  expectAreasRead(Model::MK410, 6, 3, {4, 3, 2, 1, 6, 5});
  expectAreasRead(Model::Q7Profi, 5, 4, {5, 4, 3, 2});
  expectAreasRead(Model::Q7Profi, 9, 4, {5, 4, 3, 2, 1, 6});
  expectAreasRead(Model::Q7Profi, 5, 5, {6, 5, 4, 3, 2});
  expectAreasRead(Model::Q7Profi, 65535, 5, {6, 5, 4, 3, 2, 1});
  expectAreasRead(Model::Q7Profi, 12, 6, {});
}

TEST(TripHistoryRead, onceTheRingHasWrappedEachAreaFillsItsWindowSlotNewestFirst) {
  sim::Scenario scenario = driveWithHistory(Model::MK410, 9, 3);
  for (int area = 1; area <= 6; ++area)
    scenario.history.push_back({area, {1, 10.0 * area, 0, 0, 0}});
  TripBench bench;
  bench.connect(scenario);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  const char* const frequencies[] = {"40 Hz", "30 Hz", "20 Hz", "10 Hz", "60 Hz", "50 Hz"};
  for (std::int16_t Number = 1; Number <= 6; ++Number)
    EXPECT_EQ(bench.shownWindow().trip(Number).triphz, frequencies[Number - 1]) << Number;
}

TEST(TripHistoryRead, emptyHistoryShowsZeroAndClosesThePortWithoutReadingTheIndex) {
  TripBench bench;
  bench.connect(driveWithHistory(Model::Q7Profi, 0, 3));
  bench.trips.tripmenu_Click();
  EXPECT_EQ(bench.historyReads(), (std::vector<WireRead>{{0x0360, 2}}));
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.shownWindow().Totaltrip, "0");
  EXPECT_EQ(captions(bench.shownWindow().trip(1)), Captions(5));
  EXPECT_FALSE(bench.port.isOpen());
}

TEST(TripHistoryRead, threeTripIndexFourFillsOnlyTheLastTripFromAreaThreeInTheNarrowLayout) {
  sim::Scenario scenario = driveWithHistory(Model::Q7Vector, 1, 4);
  scenario.history = {{3, {13, 20.5, 95.25, 572, 288}}, {1, {7, 10, 10, 10, 10}}};
  TripBench bench;
  bench.connect(scenario);
  bench.trips.tripmenu_Click();

  ASSERT_EQ(bench.view.shown.size(), 1u);
  const TripHistoryForm& window = bench.shownWindow();
  EXPECT_EQ(window.Totaltrip, "1");
  // 20.5 Hz rounds to the even 20.
  EXPECT_EQ(captions(window.trip(1)),
            (Captions{"Ground Fault Protection", "20 Hz", "95 %", "572 Vdc", "288 Hours"}));
  EXPECT_EQ(captions(window.trip(2)), Captions(5));
  EXPECT_EQ(captions(window.trip(3)), Captions(5));
  EXPECT_EQ((std::vector<int>{window.Command5Left, window.Command6Left, window.Frame4Left, window.Width}),
            (std::vector<int>{2520, 3600, 360, 4815}));
  EXPECT_FALSE(window.Frame5Visible || window.Frame6Visible || window.Frame7Visible);
  EXPECT_EQ(bench.state.inverter, ">Talvik< Q7 vector");
  EXPECT_EQ(bench.state.inverterknown, 1);
}

TEST(TripHistoryRead, sixTripCounterTwoIndexTwoFillsTwoTripsInTheWideLayout) {
  TripBench bench;
  bench.connect(shippedScenario("mk410"));
  bench.trips.tripmenu_Click();

  ASSERT_EQ(bench.view.shown.size(), 1u);
  const TripHistoryForm& window = bench.shownWindow();
  EXPECT_EQ(window.Totaltrip, "2");
  EXPECT_EQ(captions(window.trip(1)), (Captions{"Overcurrent", "50 Hz", "187 %", "331 Vdc", "48 Hours"}));
  EXPECT_EQ(captions(window.trip(2)), (Captions{"Under Voltage", "0 Hz", "0 %", "208 Vdc", "31 Hours"}));
  for (std::int16_t Number = 3; Number <= 6; ++Number)
    EXPECT_EQ(captions(window.trip(Number)), Captions(5));
  EXPECT_EQ((std::vector<int>{window.Command5Left, window.Command6Left, window.Frame4Left, window.Width}),
            (std::vector<int>{7200, 8280, 2760, 9540}));
  EXPECT_TRUE(window.Frame5Visible && window.Frame6Visible && window.Frame7Visible);
  // Closing the window discarded it.
  EXPECT_EQ(bench.trips.window(), nullptr);
}

TEST(TripHistoryRead, valuesBeyondSixteenBitsAreShownAsTheDriveHoldsThem) {
  sim::Scenario six = driveWithHistory(Model::MK410, 0, 2);
  six.memory = {{0x0360, {0xFF, 0xFF}},                      // 65535 trips: the ring has wrapped
                {0x0364 + 40 + 4, {0x05, 0xF5, 0xE1, 0x00}}, // area 3: 1000000.00 Hz
                {0x0364 + 40 + 8, {0x03, 0x75}},             // 88.5 % rounds to 88
                {0x0364 + 20 + 8, {0x03, 0x6B}},             // area 2: 87.5 % rounds to 88
                {0x0364 + 40 + 12, {0xFF, 0xFF}}};           // 6553.5 units: 110 hours
  TripBench bench;
  bench.connect(six);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.shownWindow().Totaltrip, "65535");
  EXPECT_EQ(captions(bench.shownWindow().trip(1)), (Captions{"", "1000000 Hz", "88 %", "0 Vdc", "110 Hours"}));
  EXPECT_EQ(bench.shownWindow().trip(2).tripamps, "88 %");
  EXPECT_EQ(bench.historyReads().size(), 2u + 6 * 5);

  sim::Scenario three = driveWithHistory(Model::Q7SingleCompact, 1, 4);
  three.memory = {{0xF8A0, {0xFF, 0xFF, 0xFF}}}; // area 3's running time
  TripBench compact;
  compact.connect(three);
  compact.trips.tripmenu_Click();
  ASSERT_EQ(compact.view.shown.size(), 1u);
  EXPECT_EQ(compact.shownWindow().trip(1).triptime, "281210 Hours");
}

TEST(TripHistoryRead, failedThirdRecordLeavesTheWindowUnshownAndTheNextReadWritesIntoIt) {
  TripBench bench;
  // Identification, counter, index and two records take 39 frames; then silence.
  sim::EngineOptions silentAfterTwoRecords;
  silentAfterTwoRecords.silentAfterFrames = 3 + 3 + 3 + 2 * 5 * 3;
  bench.connect(shippedScenario("profi"), silentAfterTwoRecords);
  bench.trips.tripmenu_Click();

  EXPECT_TRUE(bench.view.shown.empty());
  // The failed read's message, then the record read's.
  ASSERT_EQ(bench.messages.shown.size(), 2u);
  EXPECT_EQ(bench.messages.shown[1].text, bench.messages.shown[0].text);
  EXPECT_EQ(bench.stops, 2);
  ASSERT_NE(bench.trips.window(), nullptr);
  EXPECT_EQ(bench.trips.window()->Totaltrip, "8");
  EXPECT_EQ(bench.trips.window()->trip(2).tripcode, "Abnormal Temperature Protection");
  EXPECT_EQ(captions(bench.trips.window()->trip(3)), Captions(5));

  // The next read writes one trip; the second keeps what the failed read left.
  sim::Scenario oneTrip = driveWithHistory(Model::Q7Profi, 1, 1);
  oneTrip.history = {{2, {12, 0, 0, 598, 60}}};
  bench.connect(oneTrip);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.shownWindow().trip(1).tripcode, "External Trip");
  EXPECT_EQ(bench.shownWindow().trip(2).tripcode, "Abnormal Temperature Protection");
}

TEST(TripHistoryRead, failedCounterOrIndexReadStopsMonitoringWithOneMessageAndNoWindow) {
  for (const int answered : {3, 3 + 3}) { // the identification, then the counter as well
    TripBench bench;
    sim::EngineOptions silence;
    silence.silentAfterFrames = answered;
    bench.connect(shippedScenario("mk410"), silence);
    bench.trips.tripmenu_Click();
    EXPECT_TRUE(bench.view.shown.empty()) << answered;
    EXPECT_EQ(bench.messages.shown.size(), 1u) << answered;
    EXPECT_EQ(bench.stops, 2) << answered;
  }
}

TEST(TripHistoryRead, unknownDriveShowsAnEmptyWindowInTheDesignState) {
  TripBench bench;
  bench.connect(driveWithHistory(Model::Q7SingleCompact, 3, 2));
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.shownWindow().Width, 4815);

  // That window was discarded: the next one starts from the design state,
  // which an unrecognised drive leaves as it is.
  bench.connect(driveWithHistory(Model::Unknown, 3, 2));
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.messages.shown.size(), 1u);
  EXPECT_EQ(bench.messages.shown[0].text, "The Inverter connected has been changed from a >Talvik< Q7 "
                                          "single/compact to a Unknown. Do you wish to continue?");
  EXPECT_EQ(bench.state.inverter, "Unknown");
  EXPECT_TRUE(bench.historyReads().empty());
  ASSERT_EQ(bench.view.shown.size(), 2u);
  EXPECT_EQ(bench.view.shown[1].Totaltrip, "");
  EXPECT_EQ(captions(bench.view.shown[1].trip(1)), Captions(5));
  EXPECT_EQ(bench.view.shown[1].Width, 9540);
  EXPECT_TRUE(bench.view.shown[1].Frame5Visible);
  EXPECT_FALSE(bench.port.isOpen());
}

} // namespace
} // namespace orvane::testing
