#include "app/command_line.h"

#include <QCommandLineParser>
#include <QFile>
#include <cstdio>
#include <cstdlib>

namespace orvane::sim {
namespace {

constexpr const char* kDescription = R"(A simulated motor drive on a pseudo-terminal: the demo's drive and the
tests' peer. Prints the pseudo-terminal's path on the first line of its
output, then answers the host until SIGINT or SIGTERM.

Models: sc (">Talvik< Q7 single/compact"), vector (">Talvik< Q7 vector"),
mk410 ("MK410"), profi (">Talvik< Q7 profi"), unknown (a drive the host
does not recognise). The full model names are accepted too.

Scenarios: a JSON file (format in tools/drive-sim/README.md), or the name of
a built-in one: demo (the default), sc, vector, mk410, profi, unknown, soak.

Faults (--fault may be given more than once):
  silent-from-start   never answer
  silent-after=N      answer the first N host frames, then nothing
  no-command-reply    leave command frames unanswered
  no-data-reply       leave data frames unanswered
  no-ack-reply        send nothing after the acknowledge
  short-reply         send the reply after the acknowledge one byte short
  garbage             send a junk byte (FF) ahead of every reply

Exchange kinds for --reply-delay-kind: any, read, display, block, write.)";

[[noreturn]] void refuse(const QString& problem) {
  std::fprintf(stderr, "drive-sim: %s\nTry 'drive-sim --help'.\n", qPrintable(problem));
  std::exit(2);
}

int whole(const QCommandLineParser& parser, const QCommandLineOption& option, int lowest) {
  bool ok = false;
  const int value = parser.value(option).toInt(&ok);
  if (!ok || value < lowest)
    refuse("--" + option.names().constFirst() + " needs a whole number of at least " + QString::number(lowest));
  return value;
}

} // namespace

SimSettings parseCommandLine(const QCoreApplication& application) {
  QCommandLineParser parser;
  parser.setApplicationDescription(kDescription);
  parser.addHelpOption();
  const QCommandLineOption model("model", "The drive model (overrides the scenario's).", "NAME");
  const QCommandLineOption scenario("scenario", "The scenario to play (default: demo).", "FILE");
  const QCommandLineOption baud("baud", "Send every reply byte at this line speed, 11 bits a byte.", "BAUD");
  const QCommandLineOption latency("latency", "Wait this long before every reply.", "MS");
  const QCommandLineOption link("link",
                                "Also reach the pseudo-terminal through a symlink at PATH "
                                "(removed on exit).",
                                "PATH");
  const QCommandLineOption log("log",
                               "Write every byte in and out, with times, each transaction "
                               "decoded, each exchange whole or cut short, and the host's opens "
                               "and closes of the line, to FILE.",
                               "FILE");
  const QCommandLineOption fault("fault", "Fail in the named way (see above).", "FAULT");
  const QCommandLineOption replyDelay("reply-delay-ms", "Wait this long before the reply after the acknowledge.",
                                      "MS");
  const QCommandLineOption replyDelayKind(
      "reply-delay-kind", "Apply --reply-delay-ms to this kind of exchange only (default: any).", "KIND");
  parser.addOptions({model, scenario, baud, latency, link, log, fault, replyDelay, replyDelayKind});
  parser.process(application);
  if (!parser.positionalArguments().isEmpty())
    refuse("unexpected argument " + parser.positionalArguments().constFirst());

  SimSettings settings;
  settings.scenario = parser.value(scenario).toStdString();
  if (parser.isSet(model)) {
    settings.model = modelFromName(parser.value(model).toStdString());
    if (!settings.model)
      refuse("unknown model " + parser.value(model));
  }
  if (parser.isSet(baud))
    settings.baud = whole(parser, baud, 1);
  if (parser.isSet(latency))
    settings.engine.latency = std::chrono::milliseconds(whole(parser, latency, 0));
  if (parser.isSet(replyDelay))
    settings.engine.replyDelay = std::chrono::milliseconds(whole(parser, replyDelay, 0));
  if (parser.isSet(replyDelayKind)) {
    const std::optional<ExchangeKind> kind = exchangeKindFromName(parser.value(replyDelayKind).toStdString());
    if (!kind)
      refuse("unknown exchange kind " + parser.value(replyDelayKind));
    settings.engine.replyDelayKind = *kind;
  }
  for (const QString& name : parser.values(fault)) {
    if (!addFault(settings.engine, name.toStdString()))
      refuse("unknown fault " + name);
  }
  settings.linkPath = parser.value(link).toStdString();
  settings.logPath = parser.value(log).toStdString();
  return settings;
}

std::string scenarioPath(const std::string& requested) {
  if (requested.empty())
    return ":/scenarios/demo.json";
  std::string builtIn = ":/scenarios/" + requested + ".json";
  if (!QFile::exists(QString::fromStdString(requested)) && QFile::exists(QString::fromStdString(builtIn)))
    return builtIn;
  return requested;
}

} // namespace orvane::sim
