#pragma once

#include "acquisition/trip_record.h"
#include "trips/trip_history_form.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// The name of a trip code on the model `inverter`; the three-trip and the
// six-trip models number their trips differently. Nothing for a code without
// a name, or a model in neither group.
std::optional<std::string> tripName(const std::string& inverter, TripValue code);

// Writes trip `Number` into the window: the trip's name (a code without one
// leaves the caption as it was, so a fresh window shows a blank) and the four
// values with their units ("50 Hz", "87 %", "565 Vdc", "1 Hours").
void Display(TripHistoryForm& form, const std::string& inverter, std::int16_t Number, const TripRecord& record);

} // namespace orvane
