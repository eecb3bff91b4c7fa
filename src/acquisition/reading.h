#pragma once

#include "link/link_result.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orvane {

// What one tick asks of the drive, in the order it is read: the trip check
// always, then each quantity that is set here; and what the tick's values go
// to besides. The window hands it to the link's thread at each start (the
// Options cannot change while monitoring).
struct TickPlan {
  std::string model;         // one of the four model names
  std::int16_t voltCode = 1; // the voltage class read at the start
  bool frequency = false;
  bool frequencyDirection = false; // the run state again after the frequency (signed graph)
  bool current = false;
  bool dcLink = false;
  bool runState = false;
  bool inputs = false;
  bool outputs = false;
  // The direction arrows follow the run state: it sets the direction too.
  bool directionArrows = false;
  // Tenths of a second between two session log lines.
  int logStep = 5;
};

// One tick's result: every value as read, nothing for what was not read.
// A tick ends at its first failed read; `failure` says which and why.
struct Reading {
  enum class Step { Display, Frequency, FrequencyDirection, Current, DcLink, RunState, Inputs, Outputs };
  struct Failure {
    Step step;
    LinkFailure why;
  };

  // The operator display text, when the model shows one.
  std::optional<std::string> displayText;
  // The display began with "ERR": nothing else was read.
  bool tripped = false;

  std::optional<float> frequency;         // Hz, unsigned
  std::optional<float> frequencyRunState; // read right after the frequency
  std::optional<double> current;          // A
  // % of the rated current; nothing where a six-trip drive's size has no
  // rated current.
  std::optional<double> currentPercent;
  // A; read with the current where the percent comes from it (the six-trip models).
  std::optional<float> ratedCurrent;
  std::optional<double> dcLink; // V
  // 0 stopped, 1 forward, 2 reverse; other values come as read.
  std::optional<float> runState;
  std::optional<int> inputs;  // terminal bits
  std::optional<int> outputs; // terminal bits

  std::optional<Failure> failure;
};

// The direction letter of a run state: "-" stopped, "F" forward, "R" reverse,
// nothing for any other value.
inline std::optional<std::string> directionOf(float runState) {
  if (runState == 0)
    return "-";
  if (runState == 1)
    return "F";
  if (runState == 2)
    return "R";
  return std::nullopt;
}

} // namespace orvane
