// drive-sim: a simulated motor drive on a pseudo-terminal.

#include "app/command_line.h"
#include "app/pseudo_terminal.h"
#include "app/sim_loop.h"
#include "engine/scenario_json.h"

#include <QCoreApplication>
#include <clocale>
#include <iostream>
#include <optional>
#include <signal.h>

int main(int argc, char* argv[]) {
  using namespace orvane::sim;
  holdStopSignals();
  // Whoever started us may stop reading our output after the first line.
  signal(SIGPIPE, SIG_IGN);
  QCoreApplication application(argc, argv);
  QCoreApplication::setApplicationName("drive-sim");
  // Qt takes the numeric locale from the environment; a drive's display and
  // the byte log keep "." as the decimal point on every desktop.
  std::setlocale(LC_NUMERIC, "C");
  const SimSettings settings = parseCommandLine(application);
  try {
    Scenario scenario = loadScenario(scenarioPath(settings.scenario));
    if (settings.model)
      scenario.model = *settings.model;
    ProtocolEngine engine(Drive(std::move(scenario)), settings.engine);
    std::optional<WireLog> log;
    if (!settings.logPath.empty()) {
      log.emplace(settings.logPath);
      log->transaction({}, "drive " + std::string(engine.drive().layout().name) + ", scenario " +
                               scenarioPath(settings.scenario) + ", baud " +
                               (settings.baud > 0 ? std::to_string(settings.baud) : std::string("unpaced")));
    }
    PseudoTerminal terminal(settings.linkPath);
    std::cout << terminal.slavePath() << std::endl;
    PacedOutput output(settings.baud);
    return runSimulator(terminal, engine, output, log ? &*log : nullptr);
  } catch (const std::exception& error) {
    std::cerr << "drive-sim: " << error.what() << '\n';
    return 1;
  }
}
