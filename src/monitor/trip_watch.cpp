#include "monitor/trip_watch.h"

namespace orvane {

bool TripWatch::showTrip(bool tripped) {
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
  return tripped;
}

void TripWatch::resetmenu_Click() {
  std::string model;
  if (!runUnlessStopped(ui_, link_, [&] { model = state_.drive.inverter; }))
    return;
  if (acquisition_.sendReset(model) || link_.stopping())
    return;
  runUnlessStopped(ui_, link_, [this] {
    link_.showCommunicationsError();
    stopSession_();
    state_.trend.setEnabled("Timer1", false);
  });
}

} // namespace orvane
