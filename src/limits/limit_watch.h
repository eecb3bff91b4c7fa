#pragma once

#include "limits/limit.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A limit that began to count, or that is over. The text starts with the limit's name and a
// colon ("overload: current_pct 93.5 > 90 for 10 s"), as Events.CSV and MQTT carry it.
struct LimitEvent {
  enum class Kind { Raised, Cleared };

  Kind kind = Kind::Raised;
  std::string name;
  LimitQuantity quantity = LimitQuantity::CurrentPercent;
  double value = 0; // the reading that raised or cleared it
  double limit = 0;
  std::string text;
};

// "limit" and "limit cleared", the Event column's words.
const char* limitEventName(LimitEvent::Kind kind);

// Watches readings against limits, one reading at a time with its time: a limit is raised once
// its quantity has stayed beyond it for the limit's duration, and cleared once the quantity is
// back inside by the hysteresis; each exactly once. A reading without the quantity leaves that
// limit as it was. Used on one thread, the one that feeds it.
class LimitWatch {
public:
  explicit LimitWatch(std::vector<Limit> limits);

  // `seconds` never goes back (a steady clock, or a timeline's time).
  std::vector<LimitEvent> feed(double seconds, const LimitReading& reading);
  const std::vector<Limit>& limits() const { return limits_; }
  // Names of the limits raised now, for a display.
  std::vector<std::string> raisedNames() const;

private:
  struct Watched {
    std::optional<double> beyondSince;
    bool raised = false;
  };

  std::vector<Limit> limits_;
  std::vector<Watched> watched_;
};

} // namespace orvane
