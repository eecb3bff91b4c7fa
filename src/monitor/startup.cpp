#include "monitor/startup.h"

namespace orvane {

void waitMoreThan(Clock& clock, Clock::Duration span) {
  const Clock::Duration start = clock.now();
  for (Clock::Duration waited = clock.now() - start; waited <= span; waited = clock.now() - start)
    clock.sleepFor(span - waited + std::chrono::milliseconds(1));
}

void prepareTrendPanels(SharedState& state) {
  state.drive.inverter = "0";
  ControlModel& trend = state.trend;
  for (const char* name :
       {"Command1", "Command2", "Command5", "Command6", "Command7", "Command8", "Command9", "Picture1", "Picture2",
        "Frame1", "Frame2", "Frame3", "Frame4", "Frame5", "Frame6", "clearscreen"})
    trend.setVisible(name, true);
  for (const char* name : {"Image6off", "Image6on", "Label12"})
    trend.setVisible(name, false);
}

} // namespace orvane
