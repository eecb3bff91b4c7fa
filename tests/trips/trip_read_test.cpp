#include "fakes/session_fixture.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using sim::Model;
using Captions = std::vector<std::string>;

Captions captions(const TripCaptions& trip) {
  return {trip.tripcode, trip.triphz, trip.tripamps, trip.tripvolts, trip.triptime};
}

// Area k holds a trip at k Hz, so the window's frequencies, newest first,
// tell which areas were read and in what order. A complete record closes the
// port; an index out of range reads none and leaves it open.
void expectAreasRead(Model model, int counter, int index, const std::string& areas) {
  SCOPED_TRACE(::testing::Message() << "model " << int(model) << ", counter " << counter << ", index " << index);
  sim::Scenario drive = driveOf(model, counter, index);
  for (int area = 1; area <= (model == Model::MK410 || model == Model::Q7Profi ? 6 : 3); ++area)
    drive.history.push_back({area, {0, static_cast<double>(area), 0, 0, 0}});
  Session bench;
  bench.connect(drive);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  std::string shown;
  for (std::int16_t Number = 1; Number <= 6; ++Number)
    if (const std::string hz = bench.view.shown[0].trip(Number).triphz; !hz.empty())
      shown += hz.substr(0, hz.find(' '));
  EXPECT_EQ(shown, areas);
  EXPECT_EQ(bench.view.shown[0].Totaltrip, std::to_string(counter));
  EXPECT_EQ(bench.port.closes, static_cast<int>(areas.size()));
  EXPECT_EQ(bench.port.isOpen(), areas.empty());
}

TEST(TripHistoryRead, threeTripAreasAreReadNewestFirstForEveryIndex) {
  for (const Model model : {Model::Q7SingleCompact, Model::Q7Vector}) {
    expectAreasRead(model, 200, 4, "3");
    expectAreasRead(model, 200, 3, "23");
    expectAreasRead(model, 200, 2, "123");
    expectAreasRead(model, 1, 1, "312"); // the counter plays no part
    expectAreasRead(model, 200, 0, "231");
    expectAreasRead(model, 200, 5, "");
  }
}

TEST(TripHistoryRead, sixTripAreasAboveTheNewestAreReadOnlyOnceTheCounterReachesSix) {
  expectAreasRead(Model::MK410, 1, 0, "165432");
  expectAreasRead(Model::MK410, 5, 1, "2");
  expectAreasRead(Model::MK410, 6, 1, "216543");
  expectAreasRead(Model::MK410, 700, 2, "321654");
  expectAreasRead(Model::MK410, 5, 3, "432");
  expectAreasRead(Model::Q7Profi, 9, 4, "543216");
  expectAreasRead(Model::Q7Profi, 5, 5, "65432");
  expectAreasRead(Model::Q7Profi, 12, 6, "");
}

TEST(TripHistoryRead, emptyHistoryShowsZeroAndClosesThePortWithoutReadingTheIndex) {
  Session bench;
  bench.connect(driveOf(Model::Q7Profi, 0, 3));
  bench.trips.tripmenu_Click();
  EXPECT_EQ(bench.historyReads(), (std::vector<WireRead>{{0x0360, 2}}));
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.view.shown[0].Totaltrip, "0");
  EXPECT_EQ(captions(bench.view.shown[0].trip(1)), Captions(5));
  EXPECT_FALSE(bench.port.isOpen());
}

TEST(TripHistoryRead, threeTripIndexFourFillsOnlyTheLastTripFromAreaThreeInTheNarrowLayout) {
  sim::Scenario scenario = driveOf(Model::Q7Vector, 1, 4);
  scenario.history = {{3, {13, 20.5, 95.25, 572, 288}}, {1, {7, 10, 10, 10, 10}}};
  Session bench;
  bench.connect(scenario);
  bench.trips.tripmenu_Click();

  ASSERT_EQ(bench.view.shown.size(), 1u);
  const TripHistoryForm& window = bench.view.shown[0];
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
  Session bench;
  bench.connect(shippedScenario("mk410"));
  bench.trips.tripmenu_Click();

  ASSERT_EQ(bench.view.shown.size(), 1u);
  const TripHistoryForm& window = bench.view.shown[0];
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
  sim::Scenario six = driveOf(Model::MK410, 0, 2);
  six.memory = {{0x0360, {0xFF, 0xFF}},                      // 65535 trips: the ring has wrapped
                {0x0364 + 40 + 4, {0x05, 0xF5, 0xE1, 0x00}}, // area 3: 1000000.00 Hz
                {0x0364 + 40 + 8, {0x03, 0x75}},             // 88.5 % rounds to 88
                {0x0364 + 20 + 8, {0x03, 0x6B}},             // area 2: 87.5 % rounds to 88
                {0x0364 + 40 + 12, {0xFF, 0xFF}}};           // 6553.5 units: 110 hours
  Session bench;
  bench.connect(six);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.view.shown[0].Totaltrip, "65535");
  EXPECT_EQ(captions(bench.view.shown[0].trip(1)), (Captions{"", "1000000 Hz", "88 %", "0 Vdc", "110 Hours"}));
  EXPECT_EQ(bench.view.shown[0].trip(2).tripamps, "88 %");
  EXPECT_EQ(bench.historyReads().size(), 2u + 6 * 5);

  sim::Scenario three = driveOf(Model::Q7SingleCompact, 1, 4);
  three.memory = {{0xF8A0, {0xFF, 0xFF, 0xFF}}}; // area 3's running time
  Session compact;
  compact.connect(three);
  compact.trips.tripmenu_Click();
  ASSERT_EQ(compact.view.shown.size(), 1u);
  EXPECT_EQ(compact.view.shown[0].trip(1).triptime, "281210 Hours");
}

TEST(TripHistoryRead, failedThirdRecordLeavesTheWindowUnshownAndTheNextReadWritesIntoIt) {
  Session bench;
  // Identification, counter, index and two records take 39 frames; then silence.
  sim::EngineOptions silentAfterTwoRecords;
  silentAfterTwoRecords.silentAfterFrames = 3 + 3 + 3 + 2 * 5 * 3;
  bench.connect(shippedScenario("profi"), silentAfterTwoRecords);
  bench.trips.tripmenu_Click();

  EXPECT_TRUE(bench.view.shown.empty());
  // The failed read's message, then the record read's.
  ASSERT_EQ(bench.messages.shown.size(), 2u);
  EXPECT_EQ(bench.messages.shown[1].text, bench.messages.shown[0].text);
  ASSERT_NE(bench.trips.window(), nullptr);
  EXPECT_EQ(bench.trips.window()->Totaltrip, "8");
  EXPECT_EQ(bench.trips.window()->trip(2).tripcode, "Abnormal Temperature Protection");
  EXPECT_EQ(captions(bench.trips.window()->trip(3)), Captions(5));

  // The next read writes one trip; the second keeps what the failed read left.
  sim::Scenario oneTrip = driveOf(Model::Q7Profi, 1, 1);
  oneTrip.history = {{2, {12, 0, 0, 598, 60}}};
  bench.connect(oneTrip);
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown.size(), 1u);
  EXPECT_EQ(bench.view.shown[0].trip(1).tripcode, "External Trip");
  EXPECT_EQ(bench.view.shown[0].trip(2).tripcode, "Abnormal Temperature Protection");
}

TEST(TripHistoryRead, failedCounterReadStopsMonitoringWithOneMessageAndNoWindow) {
  Session bench;
  sim::EngineOptions silentAfterIdentification;
  silentAfterIdentification.silentAfterFrames = 3;
  bench.connect(shippedScenario("mk410"), silentAfterIdentification);
  bench.trips.tripmenu_Click();
  EXPECT_TRUE(bench.view.shown.empty());
  EXPECT_EQ(bench.messages.shown.size(), 1u);
}

TEST(TripHistoryRead, unknownDriveShowsAnEmptyWindowInTheDesignState) {
  Session bench;
  bench.connect(driveOf(Model::Q7SingleCompact, 3, 2));
  bench.trips.tripmenu_Click();
  ASSERT_EQ(bench.view.shown[0].Width, 4815);

  // That window was discarded: the next one starts from the design state,
  // which an unrecognised drive leaves as it is.
  bench.connect(driveOf(Model::Unknown, 3, 2));
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
