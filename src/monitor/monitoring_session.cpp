#include "monitor/monitoring_session.h"

#include "link/models.h"
#include "platform/number_text.h"
#include "state/graph_coordinates.h"
#include "state/model_change.h"
#include "state/terminals.h"

#include <algorithm>
#include <string_view>

namespace orvane {
namespace {

const char* const kPanelsShownWithAModel[] = {"Command1", "Command2", "Command5", "Command6", "Command7",
                                              "Command8", "Command9", "Picture2", "Frame1",   "Frame2",
                                              "Frame3",   "Frame4",   "Frame5",   "Frame6",   "clearscreen"};

const char* const kIdleHidden[] = {"fordir",   "forarrow", "revdir",    "revarrow",  "trippiccy", "triplabel",
                                   "runpiccy", "runlabel", "stoppiccy", "stoplabel", "greenlight"};

} // namespace

MonitoringSession::MonitoringSession(SharedState& state, Link& link, const Procedures& procedures, SessionLog log)
    : state_(state), link_(link), procedures_(procedures), log_(std::move(log)) {
  link_.setStopMonitor([this] { stopmonmenu_Click(); });
}

MessageAnswer MonitoringSession::ask(const std::string& title, const std::string& text) {
  return link_.platform().messages.show(MessageIcon::Information, MessageButtons::YesNo, title, text);
}

void MonitoringSession::tell(const std::string& title, const std::string& text) {
  link_.platform().messages.show(MessageIcon::Exclamation, MessageButtons::Ok, title, text);
}

void MonitoringSession::SelectInverter(std::int16_t& OK) {
  procedures_.identification.CheckInverter(OK);
  if (OK == 1)
    return;
  const ModelChangeOutcome outcome =
      applyModelChange(state_, link_.platform().messages, ModelChangeQuestion::BeforeMonitoring);
  if (outcome == ModelChangeOutcome::Declined) {
    state_.startcancelled = 1;
    return;
  }
  if (outcome == ModelChangeOutcome::Unchanged)
    return;

  procedures_.graph.clearGraph();
  ControlModel& trend = state_.trend;
  for (const char* panel : kPanelsShownWithAModel)
    trend.setVisible(panel, true);
  if (state_.options.checked("directiongraph"))
    trend.setVisible("Picture3", true);
  else
    trend.setVisible("Picture1", true);
  for (const Terminal& terminal : optionalTerminals()) {
    trend.setVisible(terminal.on, false);
    trend.setVisible(terminal.off, false);
    trend.setVisible(terminal.label, false);
  }
  showModelIndicators();
}

void MonitoringSession::showModelIndicators() {
  std::vector<Terminal> terminals = inputTerminals(state_.inverter);
  const std::vector<Terminal> outputs = outputTerminals(state_.inverter);
  terminals.insert(terminals.end(), outputs.begin(), outputs.end());
  for (const Terminal& terminal : terminals) {
    state_.trend.setVisible(terminal.off, true);
    state_.trend.setVisible(terminal.label, true);
  }
}

void MonitoringSession::startmonmenu_Click() {
  if (monitoring())
    return;
  try {
    start();
  } catch (const PortOpenError& error) {
    link_.showOpenFailure(error);
    stopmonmenu_Click();
    state_.trend.setEnabled("Timer1", false);
  }
  // Identification opens the port; a start that ends idle leaves it closed.
  if (!monitoring())
    link_.port().close();
}

void MonitoringSession::start() {
  std::int16_t OK = 0;
  SelectInverter(OK);
  ControlModel& trend = state_.trend;
  if (state_.startcancelled == 1) {
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    state_.startcancelled = 0;
    return;
  }
  if (OK == 1) {
    link_.showCommunicationsError();
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    return;
  }
  if (state_.inverter == model::kUnknown) {
    tell("Unknown Inverter", "The Inverter connected has not been recognised.\n"
                             "Please check in Help which ranges are supported by this program.");
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    return;
  }
  const ControlModel& options = state_.options;
  const bool anythingSelected = std::ranges::any_of(
      std::initializer_list<const char*>{"speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu",
                                         "inputmenu", "outputmenu", "directiongraph"},
      [&](const char* box) { return options.checked(box); });
  if (!anythingSelected) {
    tell("Monitor", "An object must be selected to monitor in the Options menu");
    return;
  }

  trend.setChecked("startmonmenu", true);
  trend.setChecked("stopmonmenu", false);
  trend.setVisible("greenlight", true);
  trend.setVisible("redlight", false);
  link_.openIfClosed();

  OK = 0;
  procedures_.liveValues.GetMaxSpeed(OK);
  if (OK == 1) {
    link_.showCommunicationsError();
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    return;
  }
  if (refuseZeroMaximumFrequency() || !askAboutChangedMaximumFrequency())
    return;
  state_.speedscale = static_cast<float>(graph::kFullHeight) / state_.maxspeed;
  state_.graphmaxspeed = state_.maxspeed;
  state_.dirspeedscale = static_cast<float>(graph::kHalfHeight) / state_.maxspeed;

  OK = 0;
  procedures_.liveValues.GetVoltCode(OK);
  if (OK == 1) {
    link_.showCommunicationsError();
    return;
  }
  if (!writeStartOfMonitoring())
    return;

  trend.setEnabled("exportmenu", true);
  trend.setEnabled("exporttoolbar", true);
  trend.setEnabled("cliptoolbar", true);

  if (const auto failure = log_.start()) {
    tell("Session Log", "The session log " + log_.path() + " could not be created:\n" + *failure);
    stopmonmenu_Click();
    return;
  }
  state_.elapsed = 0;
  state_.logstarted = 0;
  setTimeSpanLabels();
  trend.setEnabled("Timer1", true);
}

bool MonitoringSession::refuseZeroMaximumFrequency() {
  if (state_.maxspeed > 0)
    return false;
  tell("Maximum Frequency Setting", "The maximum Frequency (A04) read from the Inverter is " +
                                        plainText(state_.maxspeed) +
                                        "Hz.\nMonitoring cannot start: please check the Inverter's settings.");
  stopmonmenu_Click();
  return true;
}

bool MonitoringSession::askAboutChangedMaximumFrequency() {
  if (state_.speedtrace == 0 || state_.maxspeed == state_.graphmaxspeed)
    return true;
  const MessageAnswer answer =
      ask("Maximum Frequency Setting",
          "The maximum Frequency (A04) has been altered from " + plainText(state_.graphmaxspeed) + "Hz to " +
              plainText(state_.maxspeed) + "Hz\n and the graph needs to be cleared. Do you want to proceed?");
  if (answer == MessageAnswer::Yes) {
    procedures_.graph.clearKeepingSamples();
    return true;
  }
  ControlModel& trend = state_.trend;
  trend.setChecked("startmonmenu", false);
  trend.setChecked("stopmonmenu", true);
  trend.setVisible("greenlight", false);
  trend.setVisible("redlight", true);
  return false;
}

bool MonitoringSession::writeStartOfMonitoring() {
  Bytes payload;
  if (state_.inverter == model::kSingleCompact)
    payload = {0x02, 0x16, 0xFA, 0xF8, 0x0C};
  else if (state_.inverter == model::kVector)
    payload = {0x02, 0xE8, 0xF9, 0xFB, 0xCC};
  else
    return true;
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Binary);
  if (link_.exchange(commandFrame(command::kWriteAtAddress, 5), dataFrame(payload), 2))
    return true;
  link_.platform().beeper.beep();
  stopmonmenu_Click();
  return false;
}

void MonitoringSession::setTimeSpanLabels() {
  const int slider2 = std::max(1, state_.options.value("Slider2"));
  const double minutes = state_.trend.value("Timer1") / 1000.0 * graph::kPointsAtFirstScale / 60 / slider2;
  const std::string span = formatNumber(minutes, 1, false);
  state_.trend.setCaption("Label33", span);
  state_.trend.setCaption("Label32", span);
}

void MonitoringSession::stopmonmenu_Click() {
  ControlModel& trend = state_.trend;
  if (trend.checked("stopmonmenu"))
    return;
  trend.setEnabled("Timer1", false);
  trend.setChecked("startmonmenu", false);
  trend.setChecked("stopmonmenu", true);
  link_.port().close();
  for (const char* display : {"displayspeed", "displaycurrent", "displayvoltage"})
    trend.setCaption(display, "");
  for (const char* indicator : kIdleHidden)
    trend.setVisible(indicator, false);
  trend.setVisible("redlight", true);

  bool hasTerminal6 = false;
  for (const auto& terminals : {inputTerminals(state_.inverter), outputTerminals(state_.inverter)}) {
    for (const Terminal& terminal : terminals) {
      trend.setVisible(terminal.off, true);
      trend.setVisible(terminal.on, false);
      hasTerminal6 = hasTerminal6 || std::string_view(terminal.on) == "Image6on";
    }
  }
  if (!hasTerminal6) {
    trend.setVisible("Image6on", false);
    trend.setVisible("Image6off", false);
  }
}

void MonitoringSession::stopTick() {
  state_.trend.setEnabled("Timer1", false);
  stopmonmenu_Click();
}

void MonitoringSession::Timer1_Timer() {
  std::int16_t OK = 0;
  procedures_.tripWatch.Tripped(OK);
  if (OK == 1)
    return stopTick();
  if (OK == 2 || !state_.trend.enabled("Timer1"))
    return;

  const ControlModel& options = state_.options;
  TrendGraph& graph = procedures_.graph;
  if (state_.speedtrace == 1 || options.checked("speedmenu")) {
    graph.Frequency(OK);
    if (OK == 1)
      return stopTick();
  }
  if (state_.ampstrace == 1 || options.checked("currentmenu")) {
    graph.Current(OK);
    if (OK == 1)
      return stopTick();
    state_.speedplotted = 1;
    state_.ampsplotted = 1;
  }
  if (state_.voltstrace == 1 || options.checked("DCmenu")) {
    graph.Voltage(OK);
    if (OK == 1)
      return stopTick();
    state_.speedplotted = 1;
    state_.ampsplotted = 1;
    state_.voltsplotted = 1;
  }
  if (!appendLogLine())
    return stopTick();
  state_.samplecount = static_cast<std::int16_t>(state_.samplecount + 1);
  state_.graphx = static_cast<std::int16_t>(state_.lastx + state_.xstep);

  StatusIndicators& indicators = procedures_.indicators;
  const std::pair<const char*, void (StatusIndicators::*)(std::int16_t&)> statusSteps[] = {
      {"directionmenu", &StatusIndicators::Direction},
      {"runningmenu", &StatusIndicators::Running},
      {"inputmenu", &StatusIndicators::iterminals},
      {"outputmenu", &StatusIndicators::oterminals}};
  for (const auto& [box, step] : statusSteps) {
    if (!options.checked(box))
      continue;
    (indicators.*step)(OK);
    if (OK == 1)
      return stopTick();
  }
}

bool MonitoringSession::appendLogLine() {
  std::string time;
  double nextElapsed = state_.elapsed;
  if (state_.logstarted != 0) {
    nextElapsed = state_.options.value("Slider1") / 10.0 + static_cast<double>(state_.elapsed);
    time = plainText(nextElapsed);
  } else {
    time = plainText(state_.elapsed);
  }
  if (const auto failure =
          log_.append(time, state_.logspeed, state_.logamps, state_.logampspct, state_.logvolts)) {
    tell("Session Log", "The session log " + log_.path() + " could not be written:\n" + *failure +
                            "\nMonitoring has stopped; the lines already written are kept.");
    return false;
  }
  if (state_.logstarted != 0)
    state_.elapsed = static_cast<float>(nextElapsed);
  else
    state_.logstarted = 1;
  return true;
}

void MonitoringSession::tripreset_Click() {
  try {
    procedures_.tripWatch.resetmenu_Click();
  } catch (const PortOpenError& error) {
    // The restart would fail on the same port and say so again: the user is
    // told once, and the session stays stopped.
    link_.showOpenFailure(error);
    stopmonmenu_Click();
    return;
  }
  link_.platform().clock.sleepFor(std::chrono::seconds(2));
  stopmonmenu_Click();
  startmonmenu_Click();
}

} // namespace orvane
