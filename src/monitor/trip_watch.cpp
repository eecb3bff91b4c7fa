#include "monitor/trip_watch.h"

#include "link/panel_exchanges.h"

namespace orvane {
namespace {

constexpr int kDisplayRetries = 4;
constexpr Clock::Duration kRetryPause = std::chrono::seconds(2);

} // namespace

void TripWatch::Tripped(std::int16_t& OK) {
  OK = 0;
  screen_.LCDSCR(OK);
  for (int retry = 0; retry < kDisplayRetries && OK == 1; ++retry) {
    link_.platform().beeper.beep();
    link_.platform().clock.sleepFor(kRetryPause);
    OK = 0;
    screen_.LCDSCR(OK);
  }
  if (OK == 1) {
    state_.trend.setEnabled("Timer1", false);
    return;
  }
  const bool tripped = state_.lcdtext.compare(0, 3, "ERR") == 0;
  showTripped(tripped);
  if (tripped)
    OK = 2;
}

void TripWatch::showTripped(bool tripped) {
  ControlModel& trend = state_.trend;
  trend.setEnabled("Timer2", false);
  trend.setEnabled("Timer1", !tripped);
  trend.setVisible("trippiccy", tripped);
  trend.setVisible("triplabel", tripped);
  trend.setVisible("tripreset", tripped);
  trend.setEnabled("resetmenu", tripped);
  if (tripped) {
    for (const char* name : {"runpiccy", "runlabel", "stoppiccy", "stoplabel"})
      trend.setVisible(name, false);
  }
}

void TripWatch::SendReset(std::int16_t& OK) {
  OK = 0;
  link_.openIfClosed();
  link_.port().setInputMode(InputMode::Text);
  if (!PanelExchanges(link_).resetWrite(state_.inverter)) {
    link_.platform().beeper.beep();
    OK = 1;
  }
}

void TripWatch::resetmenu_Click() {
  std::int16_t OK = 0;
  SendReset(OK);
  if (OK == 1) {
    link_.showCommunicationsError();
    link_.stopMonitor();
    state_.trend.setEnabled("Timer1", false);
  }
}

} // namespace orvane
