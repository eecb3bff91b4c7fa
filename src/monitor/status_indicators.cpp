#include "monitor/status_indicators.h"

#include "acquisition/reading.h"
#include "state/terminals.h"

namespace orvane {

void StatusIndicators::Direction(float runState) {
  if (!state_.options.checked("directionmenu") || !directionOf(runState))
    return;
  const bool forward = runState == 1;
  const bool reverse = runState == 2;
  ControlModel& trend = state_.trend;
  trend.setVisible("fordir", forward);
  trend.setVisible("forarrow", forward);
  trend.setVisible("revdir", reverse);
  trend.setVisible("revarrow", reverse);
}

void StatusIndicators::Running(float runState) {
  if (runState != 0 && runState != 1 && runState != 2)
    return;
  const bool running = runState != 0;
  ControlModel& trend = state_.trend;
  trend.setVisible("trippiccy", false);
  trend.setVisible("triplabel", false);
  trend.setVisible("runpiccy", running);
  trend.setVisible("runlabel", running);
  trend.setVisible("stoppiccy", !running);
  trend.setVisible("stoplabel", !running);
}

void StatusIndicators::showTerminals(bool inputs, int word) {
  ControlModel& trend = state_.trend;
  for (const Terminal& terminal :
       inputs ? inputTerminals(state_.drive.inverter) : outputTerminals(state_.drive.inverter)) {
    const bool on = (word & terminal.mask) == terminal.mask;
    trend.setVisible(on ? terminal.on : terminal.off, true);
    trend.setVisible(on ? terminal.off : terminal.on, false);
  }
}

} // namespace orvane
