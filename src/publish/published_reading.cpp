#include "publish/published_reading.h"

namespace orvane {
namespace {

constexpr float kStopped = 0;
constexpr float kForward = 1;
constexpr float kReverse = 2;

} // namespace

PublishedSample publishedSample(const Reading& reading, ClockTime clockTime, double sessionSeconds) {
  PublishedSample sample;
  sample.clockTime = clockTime;
  sample.sessionSeconds = sessionSeconds;
  sample.tripped = reading.tripped;
  sample.frequencyHz = reading.frequency;
  sample.currentAmperes = reading.current;
  sample.currentPercent = reading.currentPercent;
  sample.dcLinkVolts = reading.dcLink;
  if (const std::optional<float> runState = reading.runState ? reading.runState : reading.frequencyRunState) {
    if (*runState == kStopped)
      sample.runState = RunState::stopped;
    else if (*runState == kForward || *runState == kReverse) {
      sample.runState = RunState::running;
      sample.direction = *runState == kForward ? RotationDirection::forward : RotationDirection::reverse;
    }
  }
  if (reading.inputs)
    sample.inputTerminals = static_cast<std::uint16_t>(*reading.inputs);
  if (reading.outputs)
    sample.outputTerminals = static_cast<std::uint16_t>(*reading.outputs);
  return sample;
}

} // namespace orvane
