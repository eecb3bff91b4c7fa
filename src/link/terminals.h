#pragma once

#include <string>
#include <vector>

namespace orvane {

// One terminal indicator: its on- and off-image, caption label and bit mask.
struct Terminal {
  std::string on;
  std::string off;
  std::string label;
  int mask;
};

// The input (or output) terminals a model has, in indicator order.
std::vector<Terminal> inputTerminals(const std::string& inverter);
std::vector<Terminal> outputTerminals(const std::string& inverter);

// The terminals hidden until a model is known: 6, 7, 8, FW, TH, 13, 14, 15.
const std::vector<Terminal>& optionalTerminals();

} // namespace orvane
