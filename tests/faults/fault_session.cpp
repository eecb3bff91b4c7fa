#include "faults/fault_session.h"

#include "monitor/startup.h"
#include "state/trend_design_state.h"

#include <chrono>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <stdlib.h>

namespace orvane::testing {

TemporaryHome::TemporaryHome() {
  std::string pattern = (std::filesystem::temp_directory_path() / "orvane-faults-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("no temporary folder");
  folder_ = pattern;
  std::filesystem::create_directories(home());
  setenv("HOME", home().c_str(), 1);
  setenv("XDG_CONFIG_HOME", configHome().c_str(), 1);
  setenv("ORVANE_PORT1", drive().c_str(), 1);
}

TemporaryHome::~TemporaryHome() {
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void PrintTo(const SessionLook& look, std::ostream* out) {
  *out << (look.startmonmenu ? "startmonmenu checked" : "startmonmenu unchecked") << ", "
       << (look.stopmonmenu ? "stopmonmenu checked" : "stopmonmenu unchecked") << ", "
       << (look.greenlight ? "greenlight" : "no greenlight") << ", "
       << (look.redlight ? "redlight" : "no redlight") << ", " << (look.Timer1 ? "Timer1 on" : "Timer1 off")
       << ", " << (look.portOpen ? "port open" : "port closed");
}

FaultSession::FaultSession() {
  setTrendDesignState(state.trend);
  options.setClearGraph([this] { graph.clearGraph(); });
}

void FaultSession::plugIn(std::vector<std::string> simulatorArguments) {
  std::vector<std::string> arguments{"--link", temporary.drive().string(), "--baud", "4800"};
  arguments.insert(arguments.end(), simulatorArguments.begin(), simulatorArguments.end());
  simulator = std::make_unique<DriveSimProcess>(arguments);
}

std::string FaultSession::scenario(const std::string& json) const {
  const std::filesystem::path file = temporary.folder() / "scenario.json";
  std::ofstream(file, std::ios::binary) << json;
  return file.string();
}

void FaultSession::storeSettings(const std::string& text) const {
  std::filesystem::create_directories(temporary.settingsFile().parent_path());
  std::ofstream(temporary.settingsFile(), std::ios::binary) << text;
}

void FaultSession::startUp() {
  prepareTrendPanels(state);
  options.applyStoredSettings();
}

int FaultSession::sample(int ticks) {
  int ran = 0;
  for (; ran < ticks && state.trend.enabled("Timer1"); ++ran)
    session.Timer1_Timer();
  return ran;
}

double FaultSession::secondsFor(const std::function<void()>& action) {
  const auto start = std::chrono::steady_clock::now();
  action();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

SessionLook FaultSession::look() const {
  const ControlModel& trend = state.trend;
  return {trend.checked("startmonmenu"), trend.checked("stopmonmenu"), trend.visible("greenlight"),
          trend.visible("redlight"),     trend.enabled("Timer1"),      port.isOpen()};
}

std::vector<std::string> FaultSession::titles() const {
  std::vector<std::string> shown;
  for (const auto& box : messages.shown)
    shown.push_back(box.title);
  return shown;
}

int FaultSession::communicationsErrors() const {
  int count = 0;
  for (const auto& box : messages.shown) {
    count += box.icon == MessageIcon::Exclamation && box.buttons == MessageButtons::Ok &&
             box.title == kCommunicationsErrorTitle && box.text == kCommunicationsErrorText;
  }
  return count;
}

std::vector<std::string> FaultSession::linesOf(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream content;
  content << in.rdbuf();
  const std::string text = content.str();
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2)
    lines.push_back(text.substr(start, end - start));
  if (start < text.size())
    lines.push_back(text.substr(start) + " (unfinished)");
  return lines;
}

std::vector<std::string> FaultSession::trip(const TripHistoryForm& window, std::int16_t Number) {
  const TripCaptions& captions = window.trip(Number);
  return {captions.tripcode, captions.triphz, captions.tripamps, captions.tripvolts, captions.triptime};
}

} // namespace orvane::testing
