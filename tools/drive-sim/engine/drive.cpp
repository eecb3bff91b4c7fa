#include "engine/drive.h"

#include <cmath>
#include <cstdio>

namespace orvane::sim {
namespace {

// A frequency closer to zero than this counts as standing still.
constexpr double kStandstillHz = 0.005;

constexpr std::uint8_t kWriteAtAddress = 0x01;

double defaultDcLink(int voltageClass) { return voltageClass == 0 ? 325 : 565; }

std::uint32_t word(double value) { return encodeRaw(value, 1, 4); }

// How many times a trip has fallen due up to and including `seconds`.
long occurrences(const ScheduledTrip& trip, double loopSeconds, double seconds) {
  if (seconds < trip.at)
    return 0;
  if (loopSeconds <= 0)
    return 1;
  return static_cast<long>(std::floor((seconds - trip.at) / loopSeconds)) + 1;
}

std::string hex16(std::uint16_t value) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", value);
  return text;
}

} // namespace

Drive::Drive(Scenario scenario)
    : scenario_(std::move(scenario)), layout_(&layoutOf(scenario_.model)),
      history_(layout_->tripGroup, scenario_.historyCounter, scenario_.historyIndex), menu_(layout_->menu) {
  // A scenario written for a six-trip model may run as a three-trip one
  // (--model); the areas that model lacks are left out.
  for (const StoredTrip& stored : scenario_.history) {
    if (stored.area <= layout_->trips.areas)
      history_.setArea(stored.area, stored.record);
  }
}

void Drive::advanceTo(double seconds) {
  if (started_ && seconds <= now_)
    return;
  const ScheduledTrip* due = nullptr;
  double dueAt = 0;
  for (const ScheduledTrip& scheduled : scenario_.trips) {
    const long before = started_ ? occurrences(scheduled, scenario_.loopSeconds, now_) : 0;
    if (occurrences(scheduled, scenario_.loopSeconds, seconds) == before)
      continue;
    const double at = scheduled.at + static_cast<double>(before) * scenario_.loopSeconds;
    if (due == nullptr || at < dueAt) {
      due = &scheduled;
      dueAt = at;
    }
  }
  started_ = true;
  now_ = seconds;
  // A drive that is already tripped ignores further trips; of several due at
  // once only the earliest counts, since it stops the drive.
  if (due != nullptr && !trip_)
    trip(*due, dueAt);
}

LiveValues Drive::healthyValues(double seconds) const {
  const double at = scenario_.loopSeconds > 0 ? std::fmod(seconds, scenario_.loopSeconds) : seconds;
  LiveValues values;
  values.frequency = scenario_.frequency.at(at);
  values.current = scenario_.current.at(at);
  values.dcLink = scenario_.dcLink ? scenario_.dcLink->at(at) : defaultDcLink(scenario_.voltageClass);
  if (scenario_.runState)
    values.runState = static_cast<int>(std::lround(scenario_.runState->at(at)));
  else if (values.frequency > kStandstillHz)
    values.runState = kForward;
  else if (values.frequency < -kStandstillHz)
    values.runState = kReverse;
  const double rated = ratedCurrent();
  if (scenario_.percent)
    values.percent = scenario_.percent->at(at);
  else if (rated > 0)
    values.percent = values.current / rated * 100;
  values.inputs = word(scenario_.inputs.at(at));
  values.outputs = word(scenario_.outputs.at(at));
  values.maxFrequency = scenario_.maxFrequency.at(at);
  return values;
}

LiveValues Drive::values() const {
  LiveValues values = healthyValues(now_);
  if (trip_) {
    // The output is off while tripped, and the alarm relay is on.
    values.frequency = 0;
    values.current = 0;
    values.percent = 0;
    values.runState = kStopped;
    values.outputs |= layout_->alarmMask;
  }
  return values;
}

double Drive::ratedCurrent() const {
  if (!layout_->sizeCode)
    return scenario_.ratedCurrent;
  return sim::ratedCurrent(modelCode(), scenario_.voltageClass, sizeCode()).value_or(0);
}

int Drive::modelCode() const { return scenario_.modelCode.value_or(layout_->modelCode); }

int Drive::sizeCode() const { return scenario_.sizeCode.value_or(layout_->defaultSizeCode); }

MemoryImage Drive::memory() const {
  const LiveValues live = values();
  const int voltCode = scenario_.voltageClass + 1;
  MemoryImage memory;
  memory.putRaw(kModelCodeAddress, 1, static_cast<std::uint32_t>(modelCode()), "model code");
  memory.put(layout_->frequency, std::fabs(live.frequency), "output frequency");
  memory.put(layout_->current, live.current, "output current");
  if (layout_->percent)
    memory.put(*layout_->percent, live.percent, "output current %");
  memory.put(layout_->dcLink, layout_->dcLinkPerVoltCode ? live.dcLink / voltCode : live.dcLink, "DC link");
  memory.put(layout_->maxFrequency, live.maxFrequency, "maximum frequency");
  memory.put(layout_->voltageClass, layout_->voltageClassAsCode ? voltCode : scenario_.voltageClass,
             "voltage class");
  if (layout_->sizeCode)
    memory.put(*layout_->sizeCode, sizeCode(), "size code");
  memory.put(layout_->runState, live.runState, "run state");
  memory.put(layout_->inputs, live.inputs, "input terminals");
  memory.put(layout_->outputs, live.outputs, "output terminals");
  history_.render(memory, layout_->trips);
  for (const auto& [address, bytes] : scenario_.memory)
    memory.putBytes(address, bytes, "raw memory");
  return memory;
}

std::string Drive::displayText() const {
  if (trip_)
    return tripText(layout_->tripGroup, trip_->code, trip_->text);
  if (const std::optional<std::string_view> entry = menu_.shown(now_))
    return displayLine(*entry) + displayLine("");
  const LiveValues live = values();
  return monitorText(live.frequency, live.current, live.dcLink, live.runState);
}

Bytes Drive::panelBlock() const {
  const std::string text = displayText();
  Bytes block(text.begin(), text.end());
  block.push_back(static_cast<std::uint8_t>(values().runState));
  block.push_back(trip_ ? 1 : 0);
  block.push_back(static_cast<std::uint8_t>(trip_ ? trip_->code : 0));
  block.push_back(0);
  return block;
}

std::string Drive::write(std::uint8_t command, std::uint16_t address, std::uint16_t value) {
  if (command == kWriteAtAddress) {
    scenario_.memory[address] = {static_cast<std::uint8_t>(value >> 8), static_cast<std::uint8_t>(value & 0xFF)};
    return "stored at " + hex16(address);
  }
  if (command != layout_->panelCommand)
    return "ignored: this model takes panel keys by command " + hex16(layout_->panelCommand);
  if (address != 0)
    return "ignored: no panel register at " + hex16(address);
  if (value == kKeyStopReset)
    return reset();
  return menu_.press(value, now_);
}

void Drive::trip(const ScheduledTrip& scheduled, double at) {
  const LiveValues live = healthyValues(at);
  history_.add(
      {scheduled.code, std::fabs(live.frequency), live.percent, live.dcLink, scenario_.runningHours + at / 3600});
  trip_ = ActiveTrip{scheduled.code, scheduled.text};
  menu_.close();
}

std::string Drive::reset() {
  menu_.close();
  if (!trip_)
    return "stop/reset key: no trip to reset";
  const int code = trip_->code;
  trip_.reset();
  return "stop/reset key: trip " + std::to_string(code) + " reset";
}

} // namespace orvane::sim
