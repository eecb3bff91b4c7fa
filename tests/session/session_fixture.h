#pragma once

#include "drive-sim/engine_responder.h"
#include "engine/scenario_json.h"
#include "monitor/monitoring_procedures.h"
#include "platform/image_surface.h"
#include "state/trend_design_state.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane::testing {

inline constexpr Rgb kButtonFace{240, 240, 240};

// A whole monitoring session against the simulated drive, in-process on the
// fake clock: the real procedures, the real graph surfaces and a session log
// in a temporary folder.
class SessionFixture : public ::testing::Test, protected EngineLine {
protected:
  explicit SessionFixture(const std::string& scenarioJson = R"({"model": "vector"})") {
    connect(scenarioJson);
    setTrendDesignState(state.trend);
    state.options.setChecked("speedmenu", true);
    state.options.setValue("Slider1", 5);
    state.options.setValue("Slider2", 1);
    state.trend.setValue("Timer1", 500);
  }

  ~SessionFixture() override { std::filesystem::remove_all(folder); }

  // Replaces the drive on the line; it may be told to fall silent, or to
  // leave some display reads unanswered.
  void connect(const std::string& scenarioJson) {
    EngineLine::connect(sim::parseScenario(scenarioJson));
    port.setResponder([this, respond = port.responder()](const Bytes& sent) {
      if (silent)
        return std::vector<ScriptedSerialPort::Reply>{};
      if (sent == Bytes{0x01, 0x0A, 0x03, 0x00, 0x09} && unreadableDisplays > 0) {
        --unreadableDisplays;
        return std::vector<ScriptedSerialPort::Reply>{};
      }
      return respond(sent);
    });
  }

  // Runs the sampling timer's tick as the window would: only while enabled.
  void tick(int count = 1) {
    for (int i = 0; i < count; ++i) {
      if (!state.trend.enabled("Timer1"))
        return;
      clock.advance(std::chrono::milliseconds(state.trend.value("Timer1")));
      session.Timer1_Timer();
    }
  }

  std::vector<std::string> logLines() const {
    std::ifstream file(folder / "Trend.CSV", std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    std::vector<std::string> lines;
    std::string text = content.str();
    for (std::size_t start = 0, end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
      lines.push_back(text.substr(start, end - start));
    return lines;
  }

  std::vector<std::string> titlesShown() const {
    std::vector<std::string> titles;
    for (const auto& shown : messages.shown)
      titles.push_back(shown.title);
    return titles;
  }

  bool monitoring() const { return state.trend.checked("startmonmenu"); }

  std::filesystem::path folder =
      std::filesystem::temp_directory_path() /
      ("orvane-session-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
       ::testing::UnitTest::GetInstance()->current_test_info()->name());
  bool made = std::filesystem::create_directories(folder);
  SharedState state;
  bool silent = false;
  int unreadableDisplays = 0;
  ImageSurface picture1{8130, 5415, 1.0, kButtonFace};
  ImageSurface picture3{8130, 5415, 1.0, kButtonFace};
  MonitoringProcedures procedures{state, link, picture1, picture3, SessionLog((folder / "Trend.CSV").string())};
  TripWatch& tripWatch = procedures.tripWatch;
  MonitoringSession& session = procedures.session;
};

} // namespace orvane::testing
