#pragma once

#include "engine/engine_options.h"
#include "engine/models.h"

#include <QCoreApplication>
#include <optional>
#include <string>

namespace orvane::sim {

struct SimSettings {
  std::string scenario; // a file, or the name of a built-in scenario; empty: the demo
  std::optional<Model> model;
  int baud = 0; // 0: replies go out at once
  std::string linkPath;
  std::string logPath;
  EngineOptions engine;
};

// Reads the command line. Prints the help text, or the problem with an
// option, and exits when there is nothing to run.
SimSettings parseCommandLine(const QCoreApplication& application);

// The file to load for a --scenario value: the built-in scenario of that
// name when no such file exists (demo when empty), otherwise the value itself.
std::string scenarioPath(const std::string& requested);

} // namespace orvane::sim
