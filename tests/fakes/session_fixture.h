#pragma once

#include "fakes/engine_line.h"
#include "fakes/trip_fakes.h"
#include "monitor/monitoring_procedures.h"
#include "platform/image_surface.h"
#include "state/trend_design_state.h"
#include "trips/trip_history_commands.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane::testing {

// The lines of a file, each ended by CR LF; an unended last line is marked.
inline std::vector<std::string> linesOf(const std::filesystem::path& file) {
  std::stringstream content;
  content << std::ifstream(file, std::ios::binary).rdbuf();
  const std::string text = content.str();
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size())
    lines.push_back(text.substr(start) + " (unended)");
  return lines;
}

// The program's logic wired as the main window wires it, against the simulated
// drive in-process on the fake clock: the monitoring procedures on real graph
// surfaces, the session log in a folder of its own, and the trip history
// commands with a recorded window, printer and save dialog. "Speed (Hz)" is
// ticked, at 0.5 s and scale 1.
struct Session : EngineLine {
  explicit Session(const std::string& scenarioJson = R"({"model": "vector"})") {
    connect(scenarioJson);
    setTrendDesignState(state.trend);
    state.options.setChecked("speedmenu", true);
    state.options.setValue("Slider1", 5);
    state.options.setValue("Slider2", 1);
    state.trend.setValue("Timer1", 500);
  }

  // Replaces the drive on the line; it may then be told to fall silent, or to
  // leave some display reads unanswered.
  void connect(sim::Scenario scenario, sim::EngineOptions options = {}) {
    EngineLine::connect(std::move(scenario), options);
    port.setResponder([this, respond = port.responder()](const Bytes& sent) {
      const bool displayRead = sent == Bytes{0x01, 0x0A, 0x03, 0x00, 0x09};
      if (silent || (displayRead && unreadableDisplays > 0 && unreadableDisplays--))
        return std::vector<ScriptedSerialPort::Reply>{};
      return respond(sent);
    });
  }
  void connect(const std::string& scenarioJson, sim::EngineOptions options = {}) {
    connect(sim::parseScenario(scenarioJson), options);
  }

  // Runs the sampling timer's ticks as the window would: only while enabled.
  void tick(int count = 1) {
    for (int i = 0; i < count && state.trend.enabled("Timer1"); ++i) {
      clock.advance(std::chrono::milliseconds(state.trend.value("Timer1")));
      session.Timer1_Timer();
    }
  }

  // A folder of the test's own, removed with everything in it afterwards.
  std::filesystem::path folder() const { return temporary.path().toStdString(); }
  std::filesystem::path logPath() const { return folder() / "Trend.CSV"; }
  std::vector<std::string> logLines() const { return linesOf(logPath()); }
  std::vector<std::string> titles() const {
    std::vector<std::string> shown;
    for (const auto& box : messages.shown)
      shown.push_back(box.title);
    return shown;
  }
  bool monitoring() const { return state.trend.checked("startmonmenu"); }

  QTemporaryDir temporary;
  SharedState state;
  bool silent = false;
  int unreadableDisplays = 0;
  ImageSurface picture1{8130, 5415, 1.0, Rgb{240, 240, 240}};
  ImageSurface picture3{8130, 5415, 1.0, Rgb{240, 240, 240}};
  MonitoringProcedures procedures{state, link, picture1, picture3, SessionLog(logPath().string())};
  TripWatch& tripWatch = procedures.tripWatch;
  MonitoringSession& session = procedures.session;
  RecordingTripView view;
  RecordingPageOutput pages;
  ScriptedSaveDialog saveDialog;
  TripHistoryCommands trips{state, link, procedures.identification, procedures.ui, {view, pages, saveDialog}};
};

class SessionFixture : public ::testing::Test, protected Session {};

} // namespace orvane::testing
