#include "monitor/identification.h"

#include "link/models.h"

namespace orvane {

void Identification::CheckInverter(std::int16_t& OK) {
  const LinkResult<std::string> model = acquisition_.identify();
  if (link_.stopping()) {
    OK = 1;
    return;
  }
  const bool ran = runUnlessStopped(ui_, link_, [&] {
    state_.drive.newinverter = model ? *model : std::string(model::kUnknown);
    state_.startcancelled = false;
    if (model)
      return;
    OK = 1;
    if (model.failure() == LinkFailure::ReadTimedOut) {
      link_.showCommunicationsError();
      stopSession_();
    }
  });
  if (!ran)
    OK = 1;
}

} // namespace orvane
