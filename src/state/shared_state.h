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

// The trend graph's sample store and where the graph stands. Entry k of each
// array belongs to the same sample; positions are 16-bit like the store.
struct GraphStore {
  SampleArray graphxs{};
  SampleArray speedys{};
  SampleArray ampsys{};
  SampleArray voltsys{};
  std::int16_t samplecount = 0;
  std::int16_t lastx = graph::kFirstX;
  std::int16_t xstep = 20;
  std::int16_t maxpoints = graph::kPointsAtFirstScale;
  // The trace has a previous point to draw from.
  bool speedplotted = false;
  bool ampsplotted = false;
  bool voltsplotted = false;
  // The quantity was plotted since the graph was last cleared.
  bool speedtrace = false;
  bool ampstrace = false;
  bool voltstrace = false;
};

// The drive model in use, the latest identification, and what the session's
// start read of the drive to scale the graph.
struct DriveInUse {
  std::string inverter = "0";
  std::string newinverter;
  // A model has been taken into use in this run; a change is confirmed from now on.
  bool inverterknown = false;
  float maxspeed = 0;
  float graphmaxspeed = 0;
  float speedscale = 0;
  float dirspeedscale = 0;
  std::int16_t voltcode = 0;
};

// The applied Options settings. The eleven stored in ta.ini are its numbers as
// read: a box counts as ticked only for exactly 1, and any other number is kept
// and compared as it stands, so they stay whole numbers rather than flags.
struct AppliedSettings {
  std::int16_t port2on = 0;
  std::int16_t speedon = 1;
  std::int16_t currenton = 0;
  std::int16_t dcon = 0;
  std::int16_t directionon = 0;
  std::int16_t runningon = 0;
  std::int16_t inputon = 0;
  std::int16_t outputon = 0;
  std::int16_t directiongraphon = 0;
  std::int16_t samplerate = 5;
  std::int16_t graphscale = 1;
  bool port1on = false;
  // Apply succeeded and nothing was changed in the dialog since.
  bool optionsapplied = false;
};

// What the windows share: the graph, the drive in use, the applied settings
// and the controls of the main window (Trend) and of the Options dialog, which
// the logic reads and sets by their names. Owned by the main window and handed
// explicitly to every procedure that needs it.
struct SharedState {
  GraphStore graph;
  DriveInUse drive;
  AppliedSettings applied;
  // "Value on Graph" is on: a click on the graph shows the values under it.
  bool valuemode = false;
  // The user declined a change of model while monitoring started.
  bool startcancelled = false;
  ControlModel trend{"Trend", trendControls()};
  ControlModel options{"Options", optionsControls()};
};

} // namespace orvane
