#pragma once

#include "state/control_model.h"
#include "state/graph_coordinates.h"
#include "state/options_controls.h"
#include "state/trend_design_state.h"

#include <array>
#include <cstdint>
#include <string>

namespace orvane {

// Entries 0 to 5000 of the sample arrays.
inline constexpr int kSampleSlots = 5001;
using SampleArray = std::array<std::int16_t, kSampleSlots>;

// The program-wide state of the main window, under the names the rest of the
// system uses. Counters, flags and graph positions are 16-bit like the sample
// store; frequencies and logged values are single precision, which is what the
// session log prints to full width. Owned by the main window and handed
// explicitly to every procedure that needs it.
struct SharedState {
  // Graph sample store: entry k of each array belongs to the same sample.
  SampleArray graphxs{};
  SampleArray speedys{};
  SampleArray ampsys{};
  SampleArray voltsys{};
  std::int16_t samplecount = 0;
  std::int16_t scrollcount = 0;
  std::int16_t graphx = 0;
  std::int16_t lastx = graph::kFirstX;
  std::int16_t xstep = 20;
  std::int16_t maxpoints = graph::kPointsAtFirstScale;
  std::int16_t speedy = 0;
  std::int16_t ampsy = 0;
  std::int16_t voltsy = 0;
  std::int16_t speedplotted = 0;
  std::int16_t ampsplotted = 0;
  std::int16_t voltsplotted = 0;
  std::int16_t speedtrace = 0;
  std::int16_t ampstrace = 0;
  std::int16_t voltstrace = 0;

  // Last readings. The output current is held as a number (in A) and turned
  // into text only where it is shown or logged.
  float speedvalue = 0;
  double ampstext = 0;
  double ampspct = 0;
  double dcvoltsvalue = 0;
  float maxspeed = 0;
  float graphmaxspeed = 0;
  float speedscale = 0;
  float dirspeedscale = 0;
  std::int16_t voltcode = 0;
  float statusvalue = 0;
  std::string direction;
  std::string lcdtext;

  // Drive model in use and the latest identification result.
  std::string inverter = "0";
  std::string newinverter;
  std::int16_t inverterknown = 0;
  std::int16_t startcancelled = 0;

  // Session log.
  float logspeed = 0;
  float logamps = 0;
  float logampspct = 0;
  float logvolts = 0;
  float elapsed = 0;
  std::int16_t logstarted = 0;

  // Applied settings.
  std::int16_t samplerate = 5;
  std::int16_t graphscale = 1;
  std::int16_t speedon = 1;
  std::int16_t currenton = 0;
  std::int16_t dcon = 0;
  std::int16_t directionon = 0;
  std::int16_t runningon = 0;
  std::int16_t inputon = 0;
  std::int16_t outputon = 0;
  std::int16_t directiongraphon = 0;
  std::int16_t port1on = 0;
  std::int16_t port2on = 0;
  std::int16_t optionsapplied = 0;
  std::int16_t valuemode = 0;

  // The controls of the main window (Trend) and of the Options dialog, which
  // the logic reads and sets by their names.
  ControlModel trend{"Trend", trendControls()};
  ControlModel options{"Options", optionsControls()};
};

} // namespace orvane
