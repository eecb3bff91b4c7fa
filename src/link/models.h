#pragma once

#include <string>

namespace orvane {

// The drive models the program knows, by the names that select every address.
namespace model {
inline constexpr const char* kSingleCompact = ">Talvik< Q7 single/compact";
inline constexpr const char* kVector = ">Talvik< Q7 vector";
inline constexpr const char* kMk410 = "MK410";
inline constexpr const char* kProfi = ">Talvik< Q7 profi";
inline constexpr const char* kUnknown = "Unknown";
} // namespace model

// ">Talvik< Q7 single/compact" and ">Talvik< Q7 vector": three trip records.
inline bool isThreeTripModel(const std::string& inverter) {
  return inverter == model::kSingleCompact || inverter == model::kVector;
}

// "MK410" and ">Talvik< Q7 profi": six trip records, one shared address set.
inline bool isSixTripModel(const std::string& inverter) {
  return inverter == model::kMk410 || inverter == model::kProfi;
}

} // namespace orvane
