#include "engine/scenario_json.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <functional>
#include <set>

namespace orvane::sim {
namespace {

using ValueParser = std::function<double(const QJsonValue&, const QString&)>;

[[noreturn]] void fail(const QString& key, const QString& problem) {
  throw ScenarioError((key + ": " + problem).toStdString());
}

void requireKnownKeys(const QJsonObject& object, const std::set<QString>& known, const QString& where) {
  for (const QString& key : object.keys()) {
    if (!known.contains(key))
      fail(where.isEmpty() ? key : where + "." + key, "unknown key");
  }
}

double number(const QJsonValue& value, const QString& key) {
  if (!value.isDouble())
    fail(key, "a number is expected");
  return value.toDouble();
}

int integer(const QJsonValue& value, const QString& key, int lowest, int highest) {
  const double read = number(value, key);
  if (read != static_cast<int>(read) || read < lowest || read > highest)
    fail(key, QString("a whole number from %1 to %2 is expected").arg(lowest).arg(highest));
  return static_cast<int>(read);
}

// A bit word: a number, or a string such as "0x0301".
double word(const QJsonValue& value, const QString& key) {
  if (value.isString()) {
    bool ok = false;
    const qulonglong read = value.toString().toULongLong(&ok, 0);
    if (!ok || read > 0xFFFFFFFFu)
      fail(key, "a number such as 5 or \"0x0301\" is expected");
    return static_cast<double>(read);
  }
  return number(value, key);
}

// "forward", "reverse", "stopped", or the raw word value.
double runState(const QJsonValue& value, const QString& key) {
  if (value.isString()) {
    const QString name = value.toString();
    if (name == "stopped")
      return kStopped;
    if (name == "forward")
      return kForward;
    if (name == "reverse")
      return kReverse;
    fail(key, "forward, reverse or stopped is expected");
  }
  return number(value, key);
}

// A constant, or {"points": [[t, v], ...]} (linear) or {"steps": [[t, v], ...]}.
Timeline timeline(const QJsonValue& value, const QString& key, const ValueParser& parse) {
  if (!value.isObject())
    return Timeline::constant(parse(value, key));
  const QJsonObject object = value.toObject();
  requireKnownKeys(object, {"points", "steps"}, key);
  if (object.size() != 1)
    fail(key, "give either points or steps");
  const bool steps = object.contains("steps");
  const QString listKey = key + (steps ? ".steps" : ".points");
  const QJsonArray list = object.value(steps ? "steps" : "points").toArray();
  std::vector<Timeline::Point> points;
  for (const auto& entry : list) {
    const QJsonArray pair = entry.toArray();
    if (pair.size() != 2)
      fail(listKey, "each entry is [seconds, value]");
    points.emplace_back(number(pair[0], listKey), parse(pair[1], listKey));
  }
  try {
    return Timeline(steps ? Timeline::Shape::Steps : Timeline::Shape::Linear, std::move(points));
  } catch (const std::invalid_argument& error) {
    fail(listKey, error.what());
  }
}

std::vector<ScheduledTrip> trips(const QJsonValue& value, double loopSeconds) {
  std::vector<ScheduledTrip> trips;
  for (const auto& entry : value.toArray()) {
    const QJsonObject object = entry.toObject();
    requireKnownKeys(object, {"at", "code", "text"}, "trips");
    ScheduledTrip trip;
    trip.at = number(object.value("at"), "trips.at");
    trip.code = integer(object.value("code"), "trips.code", 0, 255);
    trip.text = object.value("text").toString().toStdString();
    if (trip.at < 0 || (loopSeconds > 0 && trip.at >= loopSeconds))
      fail("trips.at", "must lie within the loop");
    trips.push_back(trip);
  }
  return trips;
}

void history(const QJsonValue& value, Scenario& scenario) {
  const QJsonObject object = value.toObject();
  requireKnownKeys(object, {"counter", "index", "records"}, "history");
  scenario.historyCounter = integer(object.value("counter"), "history.counter", 0, 0xFFFF);
  scenario.historyIndex = integer(object.value("index"), "history.index", 0, 255);
  const int areas = layoutOf(scenario.model).trips.areas;
  for (const auto& entry : object.value("records").toArray()) {
    const QJsonObject record = entry.toObject();
    requireKnownKeys(record, {"area", "code", "frequency", "percent", "dc_link", "hours"}, "history.records");
    StoredTrip stored;
    stored.area = integer(record.value("area"), "history.records.area", 1, areas);
    stored.record.code = integer(record.value("code"), "history.records.code", 0, 255);
    stored.record.frequency = number(record.value("frequency"), "history.records.frequency");
    stored.record.percent = number(record.value("percent"), "history.records.percent");
    stored.record.dcLink = number(record.value("dc_link"), "history.records.dc_link");
    stored.record.hours = number(record.value("hours"), "history.records.hours");
    scenario.history.push_back(stored);
  }
}

void memory(const QJsonValue& value, Scenario& scenario) {
  const QJsonObject object = value.toObject();
  for (auto entry = object.begin(); entry != object.end(); ++entry) {
    const QString key = "memory." + entry.key();
    bool ok = false;
    const uint address = entry.key().toUInt(&ok, 0);
    if (!ok || address > 0xFFFF)
      fail(key, "the key is an address such as \"0xFC04\"");
    Bytes bytes;
    for (const QString& pair : entry.value().toString().split(' ', Qt::SkipEmptyParts)) {
      const uint byte = pair.toUInt(&ok, 16);
      if (!ok || byte > 0xFF)
        fail(key, "hex bytes such as \"13 88\" are expected");
      bytes.push_back(static_cast<std::uint8_t>(byte));
    }
    if (bytes.empty())
      fail(key, "hex bytes such as \"13 88\" are expected");
    scenario.memory[static_cast<std::uint16_t>(address)] = bytes;
  }
}

} // namespace

Scenario parseScenario(std::string_view json) {
  QJsonParseError error;
  const QJsonDocument document =
      QJsonDocument::fromJson(QByteArray(json.data(), static_cast<qsizetype>(json.size())), &error);
  if (document.isNull())
    throw ScenarioError("not valid JSON: " + error.errorString().toStdString());
  if (!document.isObject())
    throw ScenarioError("a scenario is a JSON object");
  const QJsonObject root = document.object();
  requireKnownKeys(root,
                   {"description", "model", "loop_seconds", "frequency", "current", "percent", "dc_link",
                    "run_state", "inputs", "outputs", "max_frequency", "voltage_class", "size_code", "model_code",
                    "rated_current", "running_hours", "trips", "history", "memory"},
                   {});
  Scenario scenario;
  if (root.contains("model")) {
    const std::optional<Model> model = modelFromName(root.value("model").toString().toStdString());
    if (!model)
      fail("model", "one of sc, vector, mk410, profi, unknown is expected");
    scenario.model = *model;
  }
  if (root.contains("loop_seconds"))
    scenario.loopSeconds = number(root.value("loop_seconds"), "loop_seconds");
  if (scenario.loopSeconds < 0)
    fail("loop_seconds", "must not be negative");
  const auto optionalTimeline = [&root](const char* key, const ValueParser& parse) -> std::optional<Timeline> {
    if (!root.contains(key))
      return std::nullopt;
    return timeline(root.value(key), key, parse);
  };
  scenario.frequency = optionalTimeline("frequency", number).value_or(scenario.frequency);
  scenario.current = optionalTimeline("current", number).value_or(scenario.current);
  scenario.percent = optionalTimeline("percent", number);
  scenario.dcLink = optionalTimeline("dc_link", number);
  scenario.runState = optionalTimeline("run_state", runState);
  scenario.inputs = optionalTimeline("inputs", word).value_or(scenario.inputs);
  scenario.outputs = optionalTimeline("outputs", word).value_or(scenario.outputs);
  scenario.maxFrequency = optionalTimeline("max_frequency", number).value_or(scenario.maxFrequency);
  if (root.contains("voltage_class")) {
    const QString voltageClass = root.value("voltage_class").toString();
    if (voltageClass != "low" && voltageClass != "high")
      fail("voltage_class", "low or high is expected");
    scenario.voltageClass = voltageClass == "high" ? 1 : 0;
  }
  if (root.contains("size_code"))
    scenario.sizeCode = integer(root.value("size_code"), "size_code", 0, 255);
  if (root.contains("model_code"))
    scenario.modelCode = integer(root.value("model_code"), "model_code", 0, 255);
  if (root.contains("rated_current"))
    scenario.ratedCurrent = number(root.value("rated_current"), "rated_current");
  if (root.contains("running_hours"))
    scenario.runningHours = number(root.value("running_hours"), "running_hours");
  scenario.trips = trips(root.value("trips"), scenario.loopSeconds);
  if (root.contains("history"))
    history(root.value("history"), scenario);
  memory(root.value("memory"), scenario);
  return scenario;
}

Scenario loadScenario(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly))
    throw ScenarioError(path + ": " + file.errorString().toStdString());
  const QByteArray json = file.readAll();
  try {
    return parseScenario(std::string_view(json.constData(), static_cast<std::size_t>(json.size())));
  } catch (const ScenarioError& error) {
    throw ScenarioError(path + ": " + error.what());
  }
}

} // namespace orvane::sim
