#include "fakes/trip_session_fixture.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using sim::Model;
using Captions = std::vector<std::string>;

Captions captions(const TripCaptions& trip) {
  return {trip.tripcode, trip.triphz, trip.tripamps, trip.tripvolts, trip.triptime};
}

// "Trip History" against a drive; the window shown is the last one recorded.
class TripHistoryRead : public TripSessionFixture {
protected:
  const TripHistoryForm& read(sim::Scenario drive, sim::EngineOptions options = {}) {
    connect(std::move(drive), options);
    trips.tripmenu_Click();
    return view.shown.empty() ? empty : view.shown.back();
  }
  const TripHistoryForm empty{};
};

// Area k holds a trip at k Hz, so the window's frequencies, newest first,
// tell which areas were read and in what order. A complete record closes the
// port; an index out of range reads none and leaves it open.
void expectAreasRead(Model model, int counter, int index, const std::string& areas) {
  SCOPED_TRACE(::testing::Message() << "model " << int(model) << ", counter " << counter << ", index " << index);
  sim::Scenario drive = driveOf(model, counter, index);
  for (int area = 1; area <= (model == Model::MK410 || model == Model::Q7Profi ? 6 : 3); ++area)
    drive.history.push_back({area, {0, static_cast<double>(area), 0, 0, 0}});
  TripSession session;
  session.connect(drive);
  session.trips.tripmenu_Click();
  ASSERT_EQ(session.view.shown.size(), 1u);
  std::string shown;
  for (std::int16_t Number = 1; Number <= 6; ++Number)
    if (const std::string hz = session.view.shown[0].trip(Number).triphz; !hz.empty())
      shown += hz.substr(0, hz.find(' '));
  EXPECT_EQ(shown, areas);
  EXPECT_EQ(session.view.shown[0].Totaltrip, std::to_string(counter));
  EXPECT_EQ(session.port.closes, static_cast<int>(areas.size()));
  EXPECT_EQ(session.port.isOpen(), areas.empty());
}

TEST(TripHistoryAreas, threeTripAreasAreReadNewestFirstForEveryIndex) {
  for (const Model model : {Model::Q7SingleCompact, Model::Q7Vector}) {
    expectAreasRead(model, 200, 4, "3");
    expectAreasRead(model, 200, 3, "23");
    expectAreasRead(model, 200, 2, "123");
    expectAreasRead(model, 1, 1, "312"); // the counter plays no part
    expectAreasRead(model, 200, 0, "231");
    expectAreasRead(model, 200, 5, "");
  }
}

TEST(TripHistoryAreas, sixTripAreasAboveTheNewestAreReadOnlyOnceTheCounterReachesSix) {
  expectAreasRead(Model::MK410, 1, 0, "165432");
  expectAreasRead(Model::MK410, 5, 1, "2");
  expectAreasRead(Model::MK410, 6, 1, "216543");
  expectAreasRead(Model::MK410, 700, 2, "321654");
  expectAreasRead(Model::MK410, 5, 3, "432");
  expectAreasRead(Model::Q7Profi, 9, 4, "543216");
  expectAreasRead(Model::Q7Profi, 5, 5, "65432");
  expectAreasRead(Model::Q7Profi, 12, 6, "");
}

TEST_F(TripHistoryRead, emptyHistoryShowsZeroAndClosesThePortWithoutReadingTheIndex) {
  EXPECT_EQ(read(driveOf(Model::Q7Profi, 0, 3)).Totaltrip, "0");
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0x03F4, 1}, {0x0360, 2}}));
  EXPECT_FALSE(port.isOpen());
}

TEST_F(TripHistoryRead, recordsFillTheNarrowOrTheWideLayoutWithTheirValuesRoundedHalfToEven) {
  sim::Scenario vector = driveOf(Model::Q7Vector, 1, 4);
  vector.history = {{3, {13, 20.5, 95.25, 572, 288}}, {1, {7, 10, 10, 10, 10}}};
  const TripHistoryForm& narrow = read(vector);
  EXPECT_EQ(captions(narrow.trip(1)),
            (Captions{"Ground Fault Protection", "20 Hz", "95 %", "572 Vdc", "288 Hours"}));
  EXPECT_EQ(captions(narrow.trip(2)), Captions(5));
  EXPECT_EQ((std::vector<int>{narrow.Command5Left, narrow.Command6Left, narrow.Frame4Left, narrow.Width}),
            (std::vector<int>{2520, 3600, 360, 4815}));

  const TripHistoryForm& wide = read(shippedScenario("mk410"));
  EXPECT_EQ(wide.Totaltrip, "2");
  EXPECT_EQ(captions(wide.trip(1)), (Captions{"Overcurrent", "50 Hz", "187 %", "331 Vdc", "48 Hours"}));
  EXPECT_EQ(captions(wide.trip(2)), (Captions{"Under Voltage", "0 Hz", "0 %", "208 Vdc", "31 Hours"}));
  EXPECT_EQ(captions(wide.trip(3)), Captions(5));
  EXPECT_EQ((std::vector<int>{wide.Command5Left, wide.Command6Left, wide.Frame4Left, wide.Width}),
            (std::vector<int>{7200, 8280, 2760, 9540}));
  EXPECT_EQ(trips.window(), nullptr); // closing the window discarded it
}

TEST_F(TripHistoryRead, valuesBeyondSixteenBitsAreShownAsTheDriveHoldsThem) {
  const TripHistoryForm& six = read(driveOf(Model::MK410, 0, 2,
                                            {{0x0360, {0xFF, 0xFF}},                      // 65535 trips
                                             {0x0364 + 40 + 4, {0x05, 0xF5, 0xE1, 0x00}}, // 1000000.00 Hz
                                             {0x0364 + 40 + 8, {0x03, 0x75}},             // 88.5 % to 88
                                             {0x0364 + 20 + 8, {0x03, 0x6B}},             // 87.5 % to 88
                                             {0x0364 + 40 + 12, {0xFF, 0xFF}}}));         // 6553.5 units
  EXPECT_EQ(six.Totaltrip, "65535");
  EXPECT_EQ(captions(six.trip(1)), (Captions{"", "1000000 Hz", "88 %", "0 Vdc", "110 Hours"}));
  EXPECT_EQ(six.trip(2).tripamps, "88 %");
  EXPECT_EQ(read(driveOf(Model::Q7SingleCompact, 1, 4, {{0xF8A0, {0xFF, 0xFF, 0xFF}}})).trip(1).triptime,
            "281210 Hours");
}

TEST_F(TripHistoryRead, failedReadShowsNoWindowLetsGoOfThePortAndTheNextReadWritesIntoTheSameWindow) {
  sim::EngineOptions silentAfterTwoRecords; // identification, counter, index and two records
  silentAfterTwoRecords.silentAfterFrames = 3 + 3 + 3 + 2 * 5 * 3;
  read(shippedScenario("profi"), silentAfterTwoRecords);
  EXPECT_TRUE(view.shown.empty());
  EXPECT_EQ(titles(), std::vector<std::string>(2, kCommunicationsErrorTitle)); // the read's, the record's
  EXPECT_FALSE(port.isOpen());
  ASSERT_NE(trips.window(), nullptr);
  EXPECT_EQ(trips.window()->trip(2).tripcode, "Abnormal Temperature Protection");

  sim::Scenario oneTrip = driveOf(Model::Q7Profi, 1, 1);
  oneTrip.history = {{2, {12, 0, 0, 598, 60}}};
  const TripHistoryForm& next = read(oneTrip);
  EXPECT_EQ(next.trip(1).tripcode, "External Trip");
  EXPECT_EQ(next.trip(2).tripcode, "Abnormal Temperature Protection");
}

TEST_F(TripHistoryRead, missingPortIsNamedAtOnceAndNoWindowIsShown) {
  port.failOpenWith("No such file or directory");
  trips.tripmenu_Click();
  ASSERT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  EXPECT_EQ(messages.shown[0].text, "The serial port /dev/fake1 could not be opened:\nNo such file or directory");
  EXPECT_TRUE(view.shown.empty());
  EXPECT_FALSE(port.isOpen());
}

TEST(TripHistoryFailedReads, aFailedCounterOrIndexReadStopsMonitoringWithOneMessageAndNoWindow) {
  for (const int answered : {3, 3 + 3}) { // the identification, then the counter as well
    TripSession session;
    sim::EngineOptions silence;
    silence.silentAfterFrames = answered;
    session.connect(shippedScenario("mk410"), silence);
    session.trips.tripmenu_Click();
    EXPECT_TRUE(session.view.shown.empty()) << answered;
    EXPECT_EQ(session.titles(), std::vector<std::string>{kCommunicationsErrorTitle}) << answered;
    EXPECT_FALSE(session.port.isOpen()) << answered;
  }
}

TEST_F(TripHistoryRead, unknownDriveShowsAnEmptyWindowInTheDesignStateAfterTheQuestion) {
  read(driveOf(Model::Q7SingleCompact, 3, 2));
  const TripHistoryForm& unknown = read(driveOf(Model::Unknown, 3, 2));
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has been changed from a >Talvik< Q7 "
                                    "single/compact to a Unknown. Do you wish to continue?");
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0x03F4, 1}})); // the model code only
  EXPECT_EQ(unknown.Totaltrip, "");
  EXPECT_EQ(captions(unknown.trip(1)), Captions(5));
  EXPECT_EQ(unknown.Width, 9540);
  EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace orvane::testing
