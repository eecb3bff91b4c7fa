#include "monitor/status_indicators.h"

#include "platform/number_text.h"
#include "state/terminals.h"

namespace orvane {
bool StatusIndicators::readStatus(const Register& word, std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Binary);
  state_.statusvalue = static_cast<float>(link_.readAddress(word.address, word.length, word.divisor));
  if (readFailed(state_.statusvalue)) {
    OK = 1;
    return false;
  }
  return true;
}

void StatusIndicators::Direction(std::int16_t& OK) {
  const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter);
  if (registers == nullptr || !readStatus(registers->runState, OK))
    return;
  const float runState = state_.statusvalue;
  if (runState == 0)
    state_.direction = "-";
  else if (runState == 1)
    state_.direction = "F";
  else if (runState == 2)
    state_.direction = "R";

  if (!state_.options.checked("directionmenu") || (runState != 0 && runState != 1 && runState != 2))
    return;
  const bool forward = runState == 1;
  const bool reverse = runState == 2;
  ControlModel& trend = state_.trend;
  trend.setVisible("fordir", forward);
  trend.setVisible("forarrow", forward);
  trend.setVisible("revdir", reverse);
  trend.setVisible("revarrow", reverse);
}

void StatusIndicators::Running(std::int16_t& OK) {
  if (!state_.options.checked("directionmenu")) {
    // Otherwise Direction has just read the run state word in this tick.
    const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter);
    if (registers == nullptr || !readStatus(registers->runState, OK))
      return;
  }
  const float runState = state_.statusvalue;
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

void StatusIndicators::iterminals(std::int16_t& OK) {
  const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter);
  if (registers == nullptr || !readStatus(registers->inputs, OK))
    return;
  showTerminals(true, static_cast<int>(roundHalfEven(state_.statusvalue)));
}

void StatusIndicators::oterminals(std::int16_t& OK) {
  const LiveValueRegisters* registers = liveValueRegistersFor(state_.inverter);
  if (registers == nullptr || !readStatus(registers->outputs, OK))
    return;
  showTerminals(false, static_cast<int>(roundHalfEven(state_.statusvalue)));
}

void StatusIndicators::showTerminals(bool inputs, int word) {
  ControlModel& trend = state_.trend;
  for (const Terminal& terminal : inputs ? inputTerminals(state_.inverter) : outputTerminals(state_.inverter)) {
    const bool on = (word & terminal.mask) == terminal.mask;
    trend.setVisible(on ? terminal.on : terminal.off, true);
    trend.setVisible(on ? terminal.off : terminal.on, false);
  }
}

} // namespace orvane
