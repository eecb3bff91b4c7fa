#pragma once

#include <span>
#include <string>
#include <vector>

namespace orvane {

// Which drive models have a terminal.
enum class FittedOn { EveryModel, VectorAndMk410, Mk410, SixTripModels };

// One terminal indicator of the main window: its caption and caption label,
// an on-image and an off-image at the same place, its bit in the drive's
// terminal word, and whether the window shows it before a model is known.
struct Terminal {
  const char* caption;
  const char* label;
  const char* on;
  const char* off;
  int mask;
  int sixTripMask; // "AL" sits on a different bit of the output word on the six-trip models
  FittedOn fittedOn;
  bool shownAtLoad;
};

// Every input (output) terminal indicator of the window, in order.
std::span<const Terminal> inputTerminalIndicators();
std::span<const Terminal> outputTerminalIndicators();

// The input (or output) terminals a model has, in indicator order, with that
// model's bit masks.
std::vector<Terminal> inputTerminals(const std::string& inverter);
std::vector<Terminal> outputTerminals(const std::string& inverter);

// The terminals only some models have: hidden until the model is known.
std::vector<Terminal> optionalTerminals();

} // namespace orvane
