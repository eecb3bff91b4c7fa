#pragma once

#include "fakes/session_fixture.h"
#include "fakes/trip_fakes.h"
#include "trips/trip_history_commands.h"

namespace orvane::testing {

// A monitoring session with the trip history commands wired beside it, shown in
// a recorded window, printer and save dialog.
struct TripSession : Session {
  RecordingTripView view;
  RecordingPageOutput pages;
  ScriptedSaveDialog saveDialog;
  TripHistoryCommands trips{
      state, link, procedures.identification, procedures.ui, {view, pages, saveDialog}, [this] {
        session.stopmonmenu_Click();
      }};
};

class TripSessionFixture : public ::testing::Test, protected TripSession {};

} // namespace orvane::testing
