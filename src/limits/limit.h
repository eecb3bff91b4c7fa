#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

enum class LimitQuantity { FrequencyHz, CurrentA, CurrentPercent, DcLinkV };

// One line of limits.conf: `overload = current_pct > 90 for 10 hysteresis 5` is a high limit of
// 90 % that counts once the current has stayed above it for 10 s, and is over once it is back at
// 85 % or below.
struct Limit {
  enum class Side { Above, Below };

  std::string name;
  LimitQuantity quantity = LimitQuantity::CurrentPercent;
  Side side = Side::Above;
  double value = 0;
  double seconds = 0;    // how long the quantity must stay beyond before the limit counts
  double hysteresis = 0; // how far back inside it must come before the limit is over

  friend bool operator==(const Limit&, const Limit&) = default;
};

// The quantities a limit can watch, as far as a reading has them (a quantity not read is empty).
struct LimitReading {
  std::optional<double> frequencyHz;
  std::optional<double> currentA;
  std::optional<double> currentPercent;
  std::optional<double> dcLinkV;
};

// The name limits.conf gives the quantity ("current_pct"), also its name in published samples.
std::string_view quantityName(LimitQuantity quantity);
std::optional<double> quantityValue(LimitQuantity quantity, const LimitReading& reading);
// Whether `value` lies beyond the limit (strictly above a high limit, below a low one).
bool isBeyond(const Limit& limit, double value);

} // namespace orvane
