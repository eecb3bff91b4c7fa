#pragma once

#include <string>

namespace orvane {

// The drive models the program knows. `inverter` holds one of these (or
// "Unknown", or "0" before the first identification) and every address, scale
// and code table is chosen by comparing it with them.
inline constexpr const char* kCompactModel = ">Talvik< Q7 single/compact";
inline constexpr const char* kVectorModel = ">Talvik< Q7 vector";
inline constexpr const char* kMk410Model = "MK410";
inline constexpr const char* kProfiModel = ">Talvik< Q7 profi";
inline constexpr const char* kUnknownModel = "Unknown";

// The models that keep three trip records; they are recognised through the
// operator panel and show their display text through the display text read.
inline bool isThreeTripModel(const std::string& model) { return model == kCompactModel || model == kVectorModel; }

// The models that keep six trip records; they answer the model-code read,
// share one address set and show their display text in the panel block.
inline bool isSixTripModel(const std::string& model) { return model == kMk410Model || model == kProfiModel; }

} // namespace orvane
