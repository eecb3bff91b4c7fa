#pragma once

#include "engine/scenario.h"

#include <stdexcept>
#include <string>
#include <string_view>

namespace orvane::sim {

// A scenario that cannot be read; the message names the file or key.
class ScenarioError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

// Reads a scenario from its JSON text (the format is described in
// tools/drive-sim/README.md). Throws ScenarioError.
Scenario parseScenario(std::string_view json);

// Reads a scenario file; Qt resource paths (":/...") work too. Throws ScenarioError.
Scenario loadScenario(const std::string& path);

} // namespace orvane::sim
