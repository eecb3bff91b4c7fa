#include "monitor/sampling_tick.h"

#include "platform/number_text.h"

#include <utility>

namespace orvane {

SamplingTick::SamplingTick(SharedState& state, const Parts& parts, std::function<void()> stopTick)
    : state_(state), parts_(parts), stopTick_(std::move(stopTick)) {}

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
  return plan;
}

void SamplingTick::failedRead(std::int16_t& OK) {
  OK = 1;
  if (reading_.failure && reading_.failure->why == LinkFailure::ReadTimedOut) {
    if (listener_)
      listener_->failed("the drive does not answer a read");
    parts_.link.showCommunicationsError();
    parts_.link.stopMonitor();
  }
}

void SamplingTick::GetSpeed(std::int16_t& OK) {
  if (reading_.frequency)
    state_.latest.speedvalue = *reading_.frequency;
  else
    failedRead(OK);
}

void SamplingTick::GetAmps(std::int16_t& OK) {
  if (reading_.current)
    state_.latest.ampstext = *reading_.current;
  if (!reading_.current || (reading_.failure && reading_.failure->step == Reading::Step::Current))
    return failedRead(OK);
  if (reading_.currentPercent)
    state_.latest.ampspct = *reading_.currentPercent;
}

void SamplingTick::GetDCVolts(std::int16_t& OK) {
  if (reading_.dcLink)
    state_.latest.dcvoltsvalue = *reading_.dcLink;
  else
    failedRead(OK);
}

void SamplingTick::Direction(std::int16_t& OK) {
  if (reading_.frequencyRunState)
    parts_.indicators.Direction(*reading_.frequencyRunState);
  else
    failedRead(OK);
}

void SamplingTick::Timer1_Timer() {
  TickPlan plan;
  bool monitoring = false;
  if (!parts_.ui.run([&] {
        monitoring = !parts_.link.stopping() && state_.trend.checked("startmonmenu");
        inProgress_ = monitoring;
        if (monitoring)
          plan = this->plan();
      }) ||
      !monitoring)
    return;
  // The window hears that the tick has ended, however it ends.
  struct TickEnd {
    SamplingTick& tick;
    ~TickEnd() {
      tick.parts_.ui.post([&tick = tick] { tick.endTick(); });
    }
  } const ended{*this};
  Reading reading;
  {
    const Link::WholeTick whole(parts_.link);
    reading = parts_.acquisition.tick(plan);
  }
  // A stop that gave up a late reply leaves no reading: the tick is dropped whole.
  if (parts_.link.abandoned())
    return;
  std::optional<LogLine> line;
  if (!parts_.ui.run([&] {
        reading_ = std::move(reading);
        line = showSamples();
      }) ||
      !line)
    return;
  const std::optional<std::string> logFailure =
      parts_.log.append(line->time, line->frequency, line->current, line->currentPercent, line->dcLink);
  parts_.ui.run([&] {
    if (!logFailure) {
      if (state_.log.logstarted)
        state_.log.elapsed = static_cast<float>(line->nextElapsed);
      else
        state_.log.logstarted = true;
      if (listener_)
        listener_->sampled(reading_, line->nextElapsed);
    }
    showStatus(logFailure);
  });
}

void SamplingTick::endTick() {
  inProgress_ = false;
  if (afterTick_)
    std::exchange(afterTick_, nullptr)();
}

void SamplingTick::afterTickInProgress(std::function<void()> then) {
  if (inProgress_)
    afterTick_ = std::move(then);
  else
    then();
}

std::optional<SamplingTick::LogLine> SamplingTick::showSamples() {
  // A stop that came while the drive was read lets the tick end as it would
  // have before the stop: its graph point and log line. The window stays as
  // the stop left it.
  finishing_ = !state_.trend.checked("startmonmenu");
  if (finishing_)
    return finishSamples();
  if (!state_.trend.enabled("Timer1"))
    return std::nullopt;
  if (reading_.failure && reading_.failure->step == Reading::Step::Display) {
    if (listener_)
      listener_->failed("the drive's display cannot be read");
    stopTick_();
    return std::nullopt;
  }
  if (reading_.displayText)
    state_.latest.lcdtext = *reading_.displayText;
  if (parts_.tripWatch.showTrip()) {
    if (listener_)
      listener_->tripped(state_.latest.lcdtext);
    return std::nullopt;
  }

  return plotSamples();
}

std::optional<SamplingTick::LogLine> SamplingTick::finishSamples() {
  if (reading_.failure || reading_.tripped)
    return std::nullopt;
  if (reading_.displayText)
    state_.latest.lcdtext = *reading_.displayText;
  std::optional<LogLine> line = plotSamples();
  for (const char* readout : kReadouts)
    state_.trend.setCaption(readout, "");
  return line;
}

std::optional<SamplingTick::LogLine> SamplingTick::plotSamples() {
  std::int16_t OK = 0;
  const ControlModel& options = state_.options;
  TrendGraph& graph = parts_.graph;
  if (state_.graph.speedtrace || options.checked("speedmenu")) {
    graph.Frequency(OK);
    if (OK == 1)
      return stopTick_(), std::nullopt;
  }
  if (state_.graph.ampstrace || options.checked("currentmenu")) {
    graph.Current(OK);
    if (OK == 1)
      return stopTick_(), std::nullopt;
    state_.graph.speedplotted = true;
    state_.graph.ampsplotted = true;
  }
  if (state_.graph.voltstrace || options.checked("DCmenu")) {
    graph.Voltage(OK);
    if (OK == 1)
      return stopTick_(), std::nullopt;
    state_.graph.speedplotted = true;
    state_.graph.ampsplotted = true;
    state_.graph.voltsplotted = true;
  }
  LogLine line{plainText(state_.log.elapsed), state_.log.elapsed, state_.log.logspeed, state_.log.logamps,
               state_.log.logampspct,         state_.log.logvolts};
  if (state_.log.logstarted) {
    line.nextElapsed = options.value("Slider1") / 10.0 + static_cast<double>(state_.log.elapsed);
    line.time = plainText(line.nextElapsed);
  }
  return line;
}

void SamplingTick::showStatus(const std::optional<std::string>& logFailure) {
  if (logFailure) {
    parts_.link.platform().messages.show(MessageIcon::Exclamation, MessageButtons::Ok, "Session Log",
                                         "The session log " + parts_.log.path() + " could not be written:\n" +
                                             *logFailure +
                                             "\nMonitoring has stopped; the lines already written are kept.");
    return stopTick_();
  }
  state_.graph.samplecount = static_cast<std::int16_t>(state_.graph.samplecount + 1);
  state_.graph.graphx = static_cast<std::int16_t>(state_.graph.lastx + state_.graph.xstep);
  if (finishing_)
    return;

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
  step("directionmenu", reading_.runState, [&](float runState) { indicators.Direction(runState); });
  step("runningmenu", reading_.runState, [&](float runState) { indicators.Running(runState); });
  step("inputmenu", reading_.inputs, [&](int word) { indicators.iterminals(word); });
  step("outputmenu", reading_.outputs, [&](int word) { indicators.oterminals(word); });
  if (OK == 1)
    stopTick_();
}

} // namespace orvane
