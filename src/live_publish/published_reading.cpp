#include "live_publish/published_reading.h"

namespace orvane {
namespace {

constexpr float kStopped = 0;
constexpr float kForward = 1;
constexpr float kReverse = 2;

} // namespace

std::string trimmedDisplay(const std::string& text) {
  constexpr std::size_t kDisplayWidth = 16;
  std::string joined;
  for (std::size_t at = 0; at < text.size(); at += kDisplayWidth) {
    const std::string line = text.substr(at, kDisplayWidth);
    const std::size_t first = line.find_first_not_of(' ');
    if (first == std::string::npos)
      continue;
    joined += (joined.empty() ? "" : " ") + line.substr(first, line.find_last_not_of(' ') + 1 - first);
  }
  return joined;
}

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
