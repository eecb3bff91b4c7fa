#include "limits/limit.h"

namespace orvane {

std::string_view quantityName(LimitQuantity quantity) {
  switch (quantity) {
  case LimitQuantity::FrequencyHz:
    return "frequency_hz";
  case LimitQuantity::CurrentA:
    return "current_a";
  case LimitQuantity::CurrentPercent:
    return "current_pct";
  case LimitQuantity::DcLinkV:
    return "dc_link_v";
  }
  return "unknown";
}

std::optional<double> quantityValue(LimitQuantity quantity, const LimitReading& reading) {
  switch (quantity) {
  case LimitQuantity::FrequencyHz:
    return reading.frequencyHz;
  case LimitQuantity::CurrentA:
    return reading.currentA;
  case LimitQuantity::CurrentPercent:
    return reading.currentPercent;
  case LimitQuantity::DcLinkV:
    return reading.dcLinkV;
  }
  return std::nullopt;
}

bool isBeyond(const Limit& limit, double value) {
  return limit.side == Limit::Side::Above ? value > limit.value : value < limit.value;
}

} // namespace orvane
