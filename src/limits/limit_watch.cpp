#include "limits/limit_watch.h"

#include "platform/number_text.h"

namespace orvane {
namespace {

// Readings are the 32-bit values the session log holds, and are written as such.
std::string valueText(double value) { return plainText(static_cast<float>(value)); }

bool backInside(const Limit& limit, double value) {
  return limit.side == Limit::Side::Above ? value <= limit.value - limit.hysteresis
                                          : value >= limit.value + limit.hysteresis;
}

LimitEvent raisedEvent(const Limit& limit, double value) {
  std::string text = limit.name + ": " + std::string(quantityName(limit.quantity)) + " " + valueText(value) +
                     (limit.side == Limit::Side::Above ? " > " : " < ") + valueText(limit.value);
  if (limit.seconds > 0)
    text += " for " + valueText(limit.seconds) + " s";
  return {LimitEvent::Kind::Raised, limit.name, limit.quantity, value, limit.value, std::move(text)};
}

LimitEvent clearedEvent(const Limit& limit, double value) {
  const bool above = limit.side == Limit::Side::Above;
  std::string text = limit.name + ": " + std::string(quantityName(limit.quantity)) + " " + valueText(value) +
                     (above ? ", back at or below " : ", back at or above ") +
                     valueText(above ? limit.value - limit.hysteresis : limit.value + limit.hysteresis);
  return {LimitEvent::Kind::Cleared, limit.name, limit.quantity, value, limit.value, std::move(text)};
}

} // namespace

const char* limitEventName(LimitEvent::Kind kind) {
  return kind == LimitEvent::Kind::Raised ? "limit" : "limit cleared";
}

LimitWatch::LimitWatch(std::vector<Limit> limits) : limits_(std::move(limits)), watched_(limits_.size()) {}

std::vector<LimitEvent> LimitWatch::feed(double seconds, const LimitReading& reading) {
  std::vector<LimitEvent> events;
  for (std::size_t at = 0; at < limits_.size(); ++at) {
    const Limit& limit = limits_[at];
    Watched& watched = watched_[at];
    const std::optional<double> value = quantityValue(limit.quantity, reading);
    if (!value)
      continue;
    if (watched.raised) {
      if (backInside(limit, *value)) {
        watched = {};
        events.push_back(clearedEvent(limit, *value));
      }
      continue;
    }
    if (!isBeyond(limit, *value)) {
      watched.beyondSince.reset();
      continue;
    }
    if (!watched.beyondSince)
      watched.beyondSince = seconds;
    if (seconds - *watched.beyondSince >= limit.seconds) {
      watched.raised = true;
      events.push_back(raisedEvent(limit, *value));
    }
  }
  return events;
}

std::vector<std::string> LimitWatch::raisedNames() const {
  std::vector<std::string> names;
  for (std::size_t at = 0; at < limits_.size(); ++at)
    if (watched_[at].raised)
      names.push_back(limits_[at].name);
  return names;
}

} // namespace orvane
