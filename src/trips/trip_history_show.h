#pragma once

#include "acquisition/trip_history_read.h"
#include "link/link.h"
#include "trips/trip_history_form.h"

#include <cstdint>
#include <functional>
#include <string>

namespace orvane {

// Fills `window` with a history of `model`. A failed read sets OK to 1: a read without an answer
// shows the communications message and runs `stopSession` ("Stop Monitor"), a failed record shows
// the message once more; records already read stay. Runs on the user-interface thread.
void showTripHistory(Link& link, const TripHistory& history, const std::string& model, TripHistoryForm& window,
                     std::int16_t& OK, const std::function<void()>& stopSession);

} // namespace orvane
