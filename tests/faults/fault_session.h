#pragma once

#include "fakes/drive_sim_process.h"
#include "fakes/pty_line.h"
#include "fakes/recording_message_boxes.h"
#include "faults/trip_windows.h"
#include "monitor/monitoring_procedures.h"
#include "platform/image_surface.h"
#include "settings/options_form.h"
#include "trips/trip_history_commands.h"

#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace orvane::testing {

// ta.ini with every quantity and indicator ticked, port 1, 0.5 s, scale 1.
inline constexpr const char* kEverythingMonitored = "0\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n1\r\n0\r\n5\r\n1\r\n";
// ta.ini with only "Speed (Hz)" ticked, port 1, 0.5 s, scale 1 (the defaults).
inline constexpr const char* kSpeedOnly = "0\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n5\r\n1\r\n";

// A folder of one test's own, removed with everything in it afterwards. HOME
// and XDG_CONFIG_HOME point into it, so the session log and the settings file
// live there, and so does the drive's link.
class TemporaryHome {
public:
  TemporaryHome();
  ~TemporaryHome();
  TemporaryHome(const TemporaryHome&) = delete;
  TemporaryHome& operator=(const TemporaryHome&) = delete;

  const std::filesystem::path& folder() const { return folder_; }
  std::filesystem::path home() const { return folder_ / "home"; }
  std::filesystem::path configHome() const { return folder_ / "config"; }
  std::filesystem::path sessionLog() const { return home() / "Trend.CSV"; }
  std::filesystem::path settingsFile() const { return configHome() / "orvane-trend" / "ta.ini"; }
  // "Communications Port 1": a link to drive-sim's pty while a drive is plugged in.
  std::filesystem::path drive() const { return folder_ / "drive"; }

private:
  std::filesystem::path folder_;
};

// What the window shows of the session, and whether the port is held.
struct SessionLook {
  bool startmonmenu;
  bool stopmonmenu;
  bool greenlight;
  bool redlight;
  bool Timer1;
  bool portOpen;
  bool operator==(const SessionLook&) const = default;
};
void PrintTo(const SessionLook& look, std::ostream* out);

inline constexpr SessionLook kIdle{false, true, false, true, false, false};
inline constexpr SessionLook kMonitoring{true, false, true, false, true, true};

// The program's logic end to end against drive-sim on a pseudo-terminal: the
// real serial port and clock, the monitoring session, the trip history and the
// Options dialog, wired as the main window wires them. The user's eyes and
// ears are the recorded message boxes and the counted beeps.
class FaultSession : public ::testing::Test, protected PtyLine {
protected:
  FaultSession();

  // drive-sim at 4800 baud on "Communications Port 1" with these arguments.
  void plugIn(std::vector<std::string> simulatorArguments);
  // The drive vanishes: the simulator is stopped and its pty closed.
  void unplug() { simulator.reset(); }
  // A scenario file in the test's folder, for --scenario.
  std::string scenario(const std::string& json) const;

  // Writes ta.ini as given.
  void storeSettings(const std::string& text) const;
  // The start-up steps after the splash: the panels, then the stored settings
  // applied by the Options dialog's OK, unseen.
  void startUp();

  // Runs the sampling timer's ticks back to back while it stays enabled;
  // returns how many ran.
  int sample(int ticks);

  // Real seconds the action took.
  static double secondsFor(const std::function<void()>& action);

  SessionLook look() const;
  std::vector<std::string> titles() const;
  // Message boxes that are exactly the communications message.
  int communicationsErrors() const;
  std::vector<std::string> logLines() const { return linesOf(temporary.sessionLog()); }
  static std::vector<std::string> linesOf(const std::filesystem::path& file);
  // Captions of trip `Number` in a shown trip history window.
  static std::vector<std::string> trip(const TripHistoryForm& window, std::int16_t Number);

  TemporaryHome temporary;
  std::unique_ptr<DriveSimProcess> simulator;
  SharedState state;
  ImageSurface picture1{8130, 5415, 1.0, Rgb{240, 240, 240}};
  ImageSurface picture3{8130, 5415, 1.0, Rgb{240, 240, 240}};
  MonitoringProcedures procedures{state, link, picture1, picture3, SessionLog()};
  TrendGraph& graph = procedures.graph;
  TripWatch& tripWatch = procedures.tripWatch;
  MonitoringSession& session = procedures.session;
  OptionsForm options{state, port, messages};
  RecordingTripWindow tripWindow;
  DeskWithoutPrinter desk;
  TripHistoryCommands trips{state, link, procedures.identification, messages,
                            TripHistoryWindows{tripWindow, desk, desk}};
};

} // namespace orvane::testing
