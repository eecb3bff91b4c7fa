#include "monitor/monitoring_session.h"

#include "link/models.h"
#include "platform/number_text.h"
#include "state/graph_coordinates.h"
#include "state/model_change.h"
#include "state/terminals.h"

#include <algorithm>
#include <chrono>
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
    : state_(state), link_(link), procedures_(procedures), log_(std::move(log)),
      closePort_([&link] { link.port().close(); }),
      tick_(
          state,
          SamplingTick::Parts{link, procedures.acquisition, procedures.ui, procedures.indicators,
                              procedures.tripWatch, procedures.graph, log_},
          [this] { stopTick(); }, [this] { stopmonmenu_Click(); }) {}

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
  ui([this] { takeModel(); });
}

void MonitoringSession::takeModel() {
  const ModelChangeOutcome outcome =
      applyModelChange(state_, link_.platform().messages, ModelChangeQuestion::BeforeMonitoring);
  if (outcome == ModelChangeOutcome::Declined) {
    state_.startcancelled = true;
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
  std::vector<Terminal> terminals = inputTerminals(state_.drive.inverter);
  const std::vector<Terminal> outputs = outputTerminals(state_.drive.inverter);
  terminals.insert(terminals.end(), outputs.begin(), outputs.end());
  for (const Terminal& terminal : terminals) {
    state_.trend.setVisible(terminal.off, true);
    state_.trend.setVisible(terminal.label, true);
  }
}

void MonitoringSession::startmonmenu_Click() {
  bool running = true;
  if (!ui([&] { running = monitoring(); }) || running)
    return;
  try {
    start();
  } catch (const PortOpenError& error) {
    ui([&] {
      link_.showOpenFailure(error);
      stopmonmenu_Click();
      state_.trend.setEnabled("Timer1", false);
    });
  }
  // Identification opens the port; a start that ends idle leaves it closed.
  if (ui([&] { running = monitoring(); }) && !running)
    link_.port().close();
}

void MonitoringSession::start() {
  std::int16_t OK = 0;
  SelectInverter(OK);
  std::string model;
  bool goOn = false;
  if (link_.stopping() || !ui([&] {
        goOn = checkIdentified(OK);
        model = state_.drive.inverter;
      }) ||
      !goOn)
    return;
  link_.openIfClosed();

  const LinkResult<float> maxSpeed = procedures_.acquisition.readMaxSpeed(model);
  if (link_.stopping() || !ui([&] { goOn = takeMaximumFrequency(maxSpeed); }) || !goOn)
    return;
  const LinkResult<std::int16_t> voltCode = procedures_.acquisition.readVoltCode(model);
  if (link_.stopping() || !ui([&] { goOn = takeVoltCode(voltCode); }) || !goOn)
    return;
  if (!procedures_.acquisition.writeStartOfMonitoring(model)) {
    if (!link_.stopping())
      ui([this] { stopmonmenu_Click(); });
    return;
  }
  if (link_.stopping())
    return;
  const std::optional<std::string> failure = log_.start();
  ui([&] {
    ControlModel& trend = state_.trend;
    trend.setEnabled("exportmenu", true);
    trend.setEnabled("exporttoolbar", true);
    trend.setEnabled("cliptoolbar", true);
    if (failure) {
      tell("Session Log", "The session log " + log_.path() + " could not be created:\n" + *failure);
      stopmonmenu_Click();
      return;
    }
    tick_.begin(tick_.plan());
    setTimeSpanLabels();
    trend.setEnabled("Timer1", true);
    if (consumer_) {
      consumer_->identified(
          {state_.drive.inverter, std::nullopt, state_.drive.maxspeed, state_.options.value("Slider1")});
      consumer_->happened(std::chrono::system_clock::now(), {SessionEvent::Kind::start, {}, {}});
      startHeard_ = true;
    }
  });
}

bool MonitoringSession::checkIdentified(std::int16_t OK) {
  ControlModel& trend = state_.trend;
  if (state_.startcancelled) {
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    state_.startcancelled = false;
    return false;
  }
  if (OK == 1) {
    link_.showCommunicationsError();
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    return false;
  }
  if (state_.drive.inverter == model::kUnknown) {
    tell("Unknown Inverter", "The Inverter connected has not been recognised.\n"
                             "Please check in Help which ranges are supported by this program.");
    stopmonmenu_Click();
    trend.setEnabled("Timer1", false);
    return false;
  }
  const ControlModel& options = state_.options;
  const bool anythingSelected = std::ranges::any_of(
      std::initializer_list<const char*>{"speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu",
                                         "inputmenu", "outputmenu", "directiongraph"},
      [&](const char* box) { return options.checked(box); });
  if (!anythingSelected) {
    tell("Monitor", "An object must be selected to monitor in the Options menu");
    return false;
  }
  trend.setChecked("startmonmenu", true);
  trend.setChecked("stopmonmenu", false);
  trend.setVisible("greenlight", true);
  trend.setVisible("redlight", false);
  return true;
}

void MonitoringSession::failedStartRead(LinkFailure failure) {
  if (failure == LinkFailure::ReadTimedOut) {
    link_.showCommunicationsError();
    stopmonmenu_Click();
  }
  link_.showCommunicationsError();
}

bool MonitoringSession::takeMaximumFrequency(const LinkResult<float>& maxSpeed) {
  if (!maxSpeed) {
    failedStartRead(maxSpeed.failure());
    stopmonmenu_Click();
    state_.trend.setEnabled("Timer1", false);
    return false;
  }
  state_.drive.maxspeed = *maxSpeed;
  if (refuseZeroMaximumFrequency() || !askAboutChangedMaximumFrequency())
    return false;
  state_.drive.speedscale = static_cast<float>(graph::kFullHeight) / state_.drive.maxspeed;
  state_.drive.graphmaxspeed = state_.drive.maxspeed;
  state_.drive.dirspeedscale = static_cast<float>(graph::kHalfHeight) / state_.drive.maxspeed;
  return true;
}

bool MonitoringSession::takeVoltCode(const LinkResult<std::int16_t>& voltCode) {
  if (!voltCode) {
    failedStartRead(voltCode.failure());
    return false;
  }
  state_.drive.voltcode = *voltCode;
  return true;
}

bool MonitoringSession::refuseZeroMaximumFrequency() {
  if (state_.drive.maxspeed > 0)
    return false;
  tell("Maximum Frequency Setting", "The maximum Frequency (A04) read from the Inverter is " +
                                        plainText(state_.drive.maxspeed) +
                                        "Hz.\nMonitoring cannot start: please check the Inverter's settings.");
  stopmonmenu_Click();
  return true;
}

bool MonitoringSession::askAboutChangedMaximumFrequency() {
  if (!state_.graph.speedtrace || state_.drive.maxspeed == state_.drive.graphmaxspeed)
    return true;
  const MessageAnswer answer = ask(
      "Maximum Frequency Setting",
      "The maximum Frequency (A04) has been altered from " + plainText(state_.drive.graphmaxspeed) + "Hz to " +
          plainText(state_.drive.maxspeed) + "Hz\n and the graph needs to be cleared. Do you want to proceed?");
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
  closePort_();
  tick_.end();
  if (startHeard_) {
    startHeard_ = false;
    // The tick under way still logs and hands over its sample: the stop comes after it.
    tick_.afterTickInProgress([consumer = consumer_] {
      consumer->happened(std::chrono::system_clock::now(), {SessionEvent::Kind::stop, {}, {}});
    });
  }
  for (const char* readout : kReadouts)
    trend.setCaption(readout, "");
  for (const char* indicator : kIdleHidden)
    trend.setVisible(indicator, false);
  trend.setVisible("redlight", true);

  bool hasTerminal6 = false;
  for (const auto& terminals : {inputTerminals(state_.drive.inverter), outputTerminals(state_.drive.inverter)}) {
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

void MonitoringSession::tripreset_Click() {
  try {
    procedures_.tripWatch.resetmenu_Click();
  } catch (const PortOpenError& error) {
    // The restart would fail on the same port and say so again: the user is
    // told once, and the session stays stopped.
    ui([&] {
      link_.showOpenFailure(error);
      stopmonmenu_Click();
    });
    return;
  }
  if (link_.stopping() || !procedures_.acquisition.waitAfterReset() || !ui([this] { stopmonmenu_Click(); }))
    return;
  startmonmenu_Click();
}

} // namespace orvane
