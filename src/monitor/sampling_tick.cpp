#include "monitor/sampling_tick.h"

#include "acquisition/display_text.h"

#include <chrono>
#include <utility>

namespace orvane {

SamplingTick::SamplingTick(SharedState& state, const Parts& parts, std::function<void()> stopTick,
                           std::function<void()> stopSession)
    : state_(state), parts_(parts), linkTick_(parts.link, parts.acquisition, parts.log),
      stopTick_(std::move(stopTick)), stopSession_(std::move(stopSession)) {}

TickPlan SamplingTick::plan() const {
  const ControlModel& options = state_.options;
  TickPlan plan{state_.drive.inverter, state_.drive.voltcode};
  // A trace on the graph keeps its quantity in the tick, but only a ticked
  // box reads it from the drive.
  plan.frequency = options.checked("speedmenu");
  plan.frequencyDirection = plan.frequency && options.checked("directiongraph");
  plan.current = options.checked("currentmenu");
  plan.dcLink = options.checked("DCmenu");
  plan.runState = options.checked("directionmenu") || options.checked("runningmenu");
  plan.inputs = options.checked("inputmenu");
  plan.outputs = options.checked("outputmenu");
  plan.directionArrows = options.checked("directionmenu");
  plan.logStep = options.value("Slider1");
  return plan;
}

void SamplingTick::begin(const TickPlan& plan) {
  const std::lock_guard lock(mutex_);
  plan_ = plan;
  active_ = true;
  newSession_ = true;
}

void SamplingTick::end() {
  const std::lock_guard lock(mutex_);
  active_ = false;
}

void SamplingTick::Timer1_Timer() {
  TickPlan plan;
  bool newSession = false;
  {
    const std::lock_guard lock(mutex_);
    if (!active_ || parts_.link.stopping())
      return;
    inProgress_ = true;
    plan = plan_;
    newSession = std::exchange(newSession_, false);
  }
  std::optional<Reading> reading;
  try {
    reading = linkTick_.read(plan);
  } catch (const PortOpenError&) {
    parts_.ui.post([this] { endTick(); });
    throw;
  }
  if (!reading)
    return parts_.ui.post([this] { endTick(); });
  bool finishing = false;
  {
    const std::lock_guard lock(mutex_);
    finishing = !active_ || parts_.link.stopping();
    // A trip switches the timer off: no tick reads the drive until a new start.
    if (!finishing && reading->tripped)
      active_ = false;
  }
  const TickOutcome outcome = linkTick_.record(std::move(*reading), plan, finishing, newSession);
  const bool showsFailure = !finishing && (outcome.reading.failure || outcome.logFailure);
  const auto shown = [this, outcome] {
    show(outcome);
    endTick();
  };
  if (showsFailure)
    parts_.ui.run(shown);
  else
    parts_.ui.post(shown);
}

void SamplingTick::endTick() {
  std::function<void()> then;
  {
    const std::lock_guard lock(mutex_);
    inProgress_ = false;
    then = std::exchange(afterTick_, nullptr);
  }
  if (then)
    then();
}

void SamplingTick::afterTickInProgress(std::function<void()> then) {
  {
    const std::lock_guard lock(mutex_);
    if (inProgress_) {
      afterTick_ = std::move(then);
      return;
    }
  }
  then();
}

void SamplingTick::failedRead(std::int16_t& OK) {
  OK = 1;
  if (failure_ && failure_->why == LinkFailure::ReadTimedOut) {
    tell(SessionEvent::Kind::failure, "the drive does not answer a read");
    parts_.link.showCommunicationsError();
    stopSession_();
  }
}

void SamplingTick::show(const TickOutcome& tick) {
  failure_ = tick.reading.failure;
  // A stop that came while the drive was read lets the tick end as it would
  // have before the stop: its graph point and log line. The window stays as
  // the stop left it.
  if (tick.finishing || !state_.trend.checked("startmonmenu")) {
    if (!tick.loggedAt && !tick.logFailure)
      return;
    plotSamples(tick);
    for (const char* readout : kReadouts)
      state_.trend.setCaption(readout, "");
    showLogged(tick);
    return;
  }
  if (tick.reading.failure && tick.reading.failure->step == Reading::Step::Display) {
    tell(SessionEvent::Kind::failure, "the drive's display cannot be read");
    return stopTick_();
  }
  if (parts_.tripWatch.showTrip(tick.reading.tripped)) {
    tell(SessionEvent::Kind::trip, trimmedDisplay(tick.reading.displayText.value_or("")));
    return;
  }
  if (plotSamples(tick) && showLogged(tick))
    showStatus(tick.reading);
}

bool SamplingTick::plotSamples(const TickOutcome& tick) {
  std::int16_t OK = 0;
  const ControlModel& options = state_.options;
  TrendGraph& graph = parts_.graph;
  if (state_.graph.speedtrace || options.checked("speedmenu")) {
    // The signed graph's run state shows on the arrows as it is read.
    if (options.checked("speedmenu") && options.checked("directiongraph") && !frequencyFailed(tick.reading, true))
      parts_.indicators.Direction(*tick.reading.frequencyRunState);
    graph.Frequency(tick, OK);
    if (OK == 1)
      return stopTick_(), false;
  }
  if (state_.graph.ampstrace || options.checked("currentmenu")) {
    graph.Current(tick, OK);
    if (OK == 1)
      return stopTick_(), false;
    state_.graph.speedplotted = true;
    state_.graph.ampsplotted = true;
  }
  if (state_.graph.voltstrace || options.checked("DCmenu")) {
    graph.Voltage(tick, OK);
    if (OK == 1)
      return stopTick_(), false;
    state_.graph.speedplotted = true;
    state_.graph.ampsplotted = true;
    state_.graph.voltsplotted = true;
  }
  return true;
}

bool SamplingTick::showLogged(const TickOutcome& tick) {
  if (tick.logFailure) {
    parts_.link.platform().messages.show(MessageIcon::Exclamation, MessageButtons::Ok, "Session Log",
                                         "The session log " + parts_.log.path() + " could not be written:\n" +
                                             *tick.logFailure +
                                             "\nMonitoring has stopped; the lines already written are kept.");
    stopTick_();
    return false;
  }
  if (consumer_)
    consumer_->sampled(std::chrono::system_clock::now(), *tick.loggedAt, tick.reading);
  state_.graph.samplecount = static_cast<std::int16_t>(state_.graph.samplecount + 1);
  return true;
}

void SamplingTick::showStatus(const Reading& reading) {
  const ControlModel& options = state_.options;
  StatusIndicators& indicators = parts_.indicators;
  std::int16_t OK = 0;
  const auto step = [&](const char* box, const auto& value, const auto& show) {
    if (OK == 1 || !options.checked(box))
      return;
    if (value)
      show(*value);
    else
      failedRead(OK);
  };
  step("directionmenu", reading.runState, [&](float runState) { indicators.Direction(runState); });
  step("runningmenu", reading.runState, [&](float runState) { indicators.Running(runState); });
  step("inputmenu", reading.inputs, [&](int word) { indicators.iterminals(word); });
  step("outputmenu", reading.outputs, [&](int word) { indicators.oterminals(word); });
  if (OK == 1)
    stopTick_();
}

void SamplingTick::tell(SessionEvent::Kind kind, const std::string& text) const {
  if (consumer_)
    consumer_->happened(std::chrono::system_clock::now(), {kind, text, {}});
}

} // namespace orvane
