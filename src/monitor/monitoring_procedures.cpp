#include "monitor/monitoring_procedures.h"

#include <utility>

namespace orvane {

MonitoringProcedures::MonitoringProcedures(SharedState& state, Link& link, DrawingSurface& picture1,
                                           DrawingSurface& picture3, SessionLog log, UiThread* ui)
    : ui(ui ? *ui : sameThread), events(link, this->ui), acquisition(link, events),
      identification(state, link, acquisition, this->ui, [this] { session.stopmonmenu_Click(); }),
      indicators(state), tripWatch(state, link, acquisition, this->ui, [this] { session.stopmonmenu_Click(); }),
      graph(state, picture1, picture3, link.platform().messages,
            [this](std::int16_t& OK) { session.tick().failedRead(OK); }),
      session(state, link,
              MonitoringSession::Procedures{acquisition, this->ui, identification, indicators, tripWatch, graph},
              std::move(log)) {}

} // namespace orvane
