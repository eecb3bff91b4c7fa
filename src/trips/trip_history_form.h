#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// The captions of one trip's value labels in the trip history window.
struct TripCaptions {
  std::string tripcode;
  std::string triphz;
  std::string tripamps;
  std::string tripvolts;
  std::string triptime;
};

// The trip history window `TripHistory` as plain data: what the read writes
// into it and the layout it is shown with. A new one is in the design state:
// every value label empty, the six-trip layout.
struct TripHistoryForm {
  static constexpr int kTrips = 6;

  std::string Totaltrip;
  // Trip `Number` (1 = newest, "Last Trip") is trips[Number - 1].
  std::array<TripCaptions, kTrips> trips;

  // The layout, in twips.
  int Command5Left = 7200;   // "&Print"
  int Command6Left = 8280;   // "&OK"
  int Frame4Left = 2760;     // the trip counter frame
  int Width = 9540;          // the window's outer width
  bool Frame7Visible = true; // " 4th Trip "
  bool Frame6Visible = true; // " 5th Trip "
  bool Frame5Visible = true; // " 6th Trip "

  TripCaptions& trip(std::int16_t Number) { return trips.at(static_cast<std::size_t>(Number - 1)); }
  const TripCaptions& trip(std::int16_t Number) const { return trips.at(static_cast<std::size_t>(Number - 1)); }
};

// Lays the window out for the trip group of `inverter`: narrow with three
// trips, wide with six. A model in neither group leaves the layout as it is.
void layOutTripHistory(TripHistoryForm& form, const std::string& inverter);

} // namespace orvane
