#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "link/identification.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"
#include "trips/trip_fakes.h"
#include "trips/trip_history_commands.h"

#include <gtest/gtest.h>
#include <stdlib.h>

namespace orvane::testing {
namespace {

// The whole read with the real port and clock, against drive-sim on a
// pseudo-terminal: a profi whose six-trip ring has wrapped (eight trips, the
// newest in area 1).
TEST(TripHistoryOverPty, wrappedSixTripRingIsShownNewestFirst) {
  const DriveSimProcess simulator({"--scenario", "profi", "--baud", "4800"});
  setenv("ORVANE_PORT1", simulator.devicePath().c_str(), 1);
  PosixSerialPort port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
  SharedState state;
  Identification identification{state, link};
  RecordingTripView view;
  RecordingPageOutput pages;
  ScriptedSaveDialog saveDialog;
  TripHistoryCommands trips{state, link, identification, messages, {view, pages, saveDialog}};

  trips.tripmenu_Click();

  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(view.shown.size(), 1u);
  const TripHistoryForm& window = view.shown[0];
  EXPECT_EQ(state.inverter, ">Talvik< Q7 profi");
  EXPECT_EQ(window.Totaltrip, "8");
  const std::vector<std::vector<std::string>> expected{
      {"Over Voltage from Regeneration", "40 Hz", "88 %", "781 Vdc", "94 Hours"},   // area 1
      {"Abnormal Temperature Protection", "60 Hz", "100 %", "606 Vdc", "87 Hours"}, // area 6
      {"Option 1 - Error 3", "55 Hz", "97 %", "604 Vdc", "80 Hours"},               // area 5
      {"Overload Protection", "60 Hz", "152 %", "601 Vdc", "71 Hours"},             // area 4
      {"Overcurrent on Acceleration", "15 Hz", "201 %", "590 Vdc", "66 Hours"},     // area 3
      {"External Trip", "0 Hz", "0 %", "598 Vdc", "60 Hours"}};                     // area 2
  for (std::int16_t Number = 1; Number <= 6; ++Number) {
    const TripCaptions& trip = window.trip(Number);
    EXPECT_EQ((std::vector<std::string>{trip.tripcode, trip.triphz, trip.tripamps, trip.tripvolts, trip.triptime}),
              expected[static_cast<std::size_t>(Number - 1)]);
  }
  EXPECT_EQ(window.Width, 9540);
  EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace orvane::testing
