#include "acquisition/tick_outcome.h"

namespace orvane {

bool frequencyFailed(const Reading& reading, bool signedGraph) {
  return !reading.frequency || (signedGraph && !reading.frequencyRunState);
}

bool currentFailed(const Reading& reading) {
  return !reading.current || (reading.failure && reading.failure->step == Reading::Step::Current);
}

bool takeGraphReading(const Reading& reading, const TickPlan& plan, ShownValues& shown, LoggedValues& logged) {
  if (plan.frequency) {
    if (!reading.frequency)
      return false;
    shown.frequency = *reading.frequency;
    if (plan.frequencyDirection) {
      if (!reading.frequencyRunState)
        return false;
      shown.direction = directionOf(*reading.frequencyRunState).value_or(shown.direction);
    }
    // The signed graph logs every direction but forward below zero.
    logged.frequency = plan.frequencyDirection && shown.direction != "F" ? -shown.frequency : shown.frequency;
  }
  if (plan.current) {
    if (reading.current)
      shown.current = *reading.current;
    if (currentFailed(reading))
      return false;
    if (reading.currentPercent)
      shown.currentPercent = *reading.currentPercent;
    logged.current = static_cast<float>(shown.current);
    logged.currentPercent = static_cast<float>(shown.currentPercent);
  }
  if (plan.dcLink) {
    if (dcLinkFailed(reading))
      return false;
    shown.dcLink = *reading.dcLink;
    logged.dcLink = static_cast<float>(shown.dcLink);
  }
  return true;
}

} // namespace orvane
