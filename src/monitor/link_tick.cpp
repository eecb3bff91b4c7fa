#include "monitor/link_tick.h"

#include "platform/number_text.h"

#include <utility>

namespace orvane {

std::optional<Reading> LinkTick::read(const TickPlan& plan) {
  Reading reading;
  {
    const Link::WholeTick whole(link_);
    reading = acquisition_.tick(plan);
  }
  if (link_.abandoned())
    return std::nullopt;
  return reading;
}

TickOutcome LinkTick::record(Reading reading, const TickPlan& plan, bool finishing, bool newSession) {
  if (newSession) {
    elapsed_ = 0;
    logstarted_ = false;
  }
  TickOutcome outcome{std::move(reading), {}, finishing, std::nullopt, std::nullopt};
  const Reading& read = outcome.reading;
  // Once stopped, a tick ends with its line only when it read everything;
  // while monitoring, a failed read of the indicators comes after the line.
  const bool noLine =
      read.tripped || (read.failure && (finishing || read.failure->step == Reading::Step::Display));
  const bool lineDue = !noLine && takeGraphReading(read, plan, shown_, logged_);
  outcome.shown = shown_;
  if (!lineDue)
    return outcome;

  double at = elapsed_;
  std::string time = plainText(elapsed_);
  if (logstarted_) {
    at = plan.logStep / 10.0 + static_cast<double>(elapsed_);
    time = plainText(at);
  }
  outcome.logFailure =
      log_.append(time, logged_.frequency, logged_.current, logged_.currentPercent, logged_.dcLink);
  if (outcome.logFailure)
    return outcome;
  if (logstarted_)
    elapsed_ = static_cast<float>(at);
  logstarted_ = true;
  outcome.loggedAt = at;
  // The arrows' run state sets the direction after the line, as they show it.
  if (!finishing && plan.directionArrows && read.runState)
    shown_.direction = directionOf(*read.runState).value_or(shown_.direction);
  return outcome;
}

} // namespace orvane
