#include "monitor/status_indicators.h"

#include "link/models.h"
#include "platform/number_text.h"
#include "state/terminals.h"

namespace orvane {
namespace {

struct StatusAddresses {
  std::uint16_t runState;
  std::uint16_t inputs;
  std::uint16_t outputs;
  std::int16_t wordLength; // of the input and output words
};

const StatusAddresses* statusAddresses(const std::string& inverter) {
  static const StatusAddresses singleCompact{0xFC50, 0xFB5F, 0xFC22, 1};
  static const StatusAddresses vector{0xFC8D, 0xFB93, 0xFC5E, 1};
  static const StatusAddresses sixTrip{0x044A, 0x042E, 0x0446, 2};
  if (inverter == model::kSingleCompact)
    return &singleCompact;
  if (inverter == model::kVector)
    return &vector;
  if (isSixTripModel(inverter))
    return &sixTrip;
  return nullptr;
}

} // namespace

bool StatusIndicators::readStatus(std::uint16_t address, std::int16_t length, std::int16_t& OK) {
  link_.port().setInputMode(InputMode::Binary);
  state_.statusvalue = static_cast<float>(link_.readAddress(address, length, 1));
  if (state_.statusvalue == static_cast<float>(kFailedRead)) {
    OK = 1;
    return false;
  }
  return true;
}

void StatusIndicators::Direction(std::int16_t& OK) {
  const StatusAddresses* addresses = statusAddresses(state_.inverter);
  if (addresses == nullptr || !readStatus(addresses->runState, 1, OK))
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
    const StatusAddresses* addresses = statusAddresses(state_.inverter);
    if (addresses == nullptr || !readStatus(addresses->runState, 1, OK))
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
  const StatusAddresses* addresses = statusAddresses(state_.inverter);
  if (addresses == nullptr || !readStatus(addresses->inputs, addresses->wordLength, OK))
    return;
  showTerminals(true, static_cast<int>(roundHalfEven(state_.statusvalue)));
}

void StatusIndicators::oterminals(std::int16_t& OK) {
  const StatusAddresses* addresses = statusAddresses(state_.inverter);
  if (addresses == nullptr || !readStatus(addresses->outputs, addresses->wordLength, OK))
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
