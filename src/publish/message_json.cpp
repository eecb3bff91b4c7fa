#include "publish/message_json.h"

#include "publish/clock_time.h"
#include "publish/json_object.h"

namespace orvane {
namespace {

void numberIfKnown(JsonObject& json, std::string_view name, const std::optional<double>& value) {
  if (value)
    json.number(name, *value);
}

void integerIfKnown(JsonObject& json, std::string_view name, const std::optional<std::uint16_t>& value) {
  if (value)
    json.integer(name, *value);
}

} // namespace

const char* eventName(EventKind kind) {
  switch (kind) {
  case EventKind::start:
    return "start";
  case EventKind::trip:
    return "trip";
  case EventKind::failure:
    return "failure";
  case EventKind::reconnection:
    return "reconnection";
  case EventKind::stop:
    return "stop";
  case EventKind::limit:
    return "limit";
  case EventKind::limitCleared:
    return "limit cleared";
  case EventKind::clockChanged:
    return "clock changed";
  }
  return "unknown";
}

std::string sampleJson(const PublishedSample& sample) {
  JsonObject json;
  json.text("time", isoText(sample.clockTime)).number("session_s", sample.sessionSeconds);
  numberIfKnown(json, "frequency_hz", sample.frequencyHz);
  numberIfKnown(json, "current_a", sample.currentAmperes);
  numberIfKnown(json, "current_pct", sample.currentPercent);
  numberIfKnown(json, "dc_link_v", sample.dcLinkVolts);
  if (sample.tripped)
    json.boolean("tripped", *sample.tripped);
  if (sample.direction)
    json.text("direction", *sample.direction == RotationDirection::forward ? "forward" : "reverse");
  if (sample.runState)
    json.text("run_state", *sample.runState == RunState::running ? "running" : "stopped");
  integerIfKnown(json, "input_terminals", sample.inputTerminals);
  integerIfKnown(json, "output_terminals", sample.outputTerminals);
  return json.finish();
}

std::string statusJson(const PublishedStatus& status, bool online, std::uint64_t droppedMessages,
                       const std::optional<PublishedLinkHealth>& link) {
  JsonObject json;
  json.text("state", online ? "online" : "offline");
  if (status.model)
    json.text("model", *status.model);
  numberIfKnown(json, "rated_current_a", status.ratedCurrentAmperes);
  numberIfKnown(json, "max_frequency_hz", status.maximumFrequencyHz);
  numberIfKnown(json, "sample_rate_s", status.sampleRateSeconds);
  json.integer("dropped_messages", static_cast<long long>(droppedMessages));
  if (link) {
    JsonObject counts;
    counts.integer("exchanges", static_cast<long long>(link->exchanges))
        .integer("timeouts", static_cast<long long>(link->timeouts))
        .integer("retries", static_cast<long long>(link->retries))
        .integer("late_ticks", static_cast<long long>(link->lateTicks));
    json.object("link", counts);
  }
  return json.finish();
}

std::string eventJson(const PublishedEvent& event) {
  JsonObject json;
  json.text("time", isoText(event.clockTime)).text("event", eventName(event.kind));
  if (!event.text.empty())
    json.text("text", event.text);
  if (event.kind == EventKind::trip)
    json.texts("trip_history", event.tripHistory);
  // A limit's consumers filter on its type and name without parsing the text, which begins "NAME:".
  if (event.kind == EventKind::limit || event.kind == EventKind::limitCleared)
    json.text("type", eventName(event.kind))
        .text("name", std::string_view(event.text).substr(0, event.text.find(':')));
  return json.finish();
}

} // namespace orvane
