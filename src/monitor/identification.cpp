#include "monitor/identification.h"

#include "link/models.h"

namespace orvane {

void Identification::CheckInverter(std::int16_t& OK) {
  const LinkResult<std::string> model = acquisition_.identify();
  if (link_.abandoned()) {
    OK = 1;
    return;
  }
  const bool ran = ui_.run([&] {
    state_.newinverter = model ? *model : std::string(model::kUnknown);
    state_.startcancelled = 0;
    if (model)
      return;
    OK = 1;
    if (model.failure() == LinkFailure::ReadTimedOut) {
      link_.showCommunicationsError();
      link_.stopMonitor();
    }
  });
  if (!ran)
    OK = 1;
}

} // namespace orvane
