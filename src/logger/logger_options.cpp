#include "logger/logger_options.h"

#include "publish/broker_settings.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace orvane {
namespace {

constexpr int kSlowestRateTenths = 320;
constexpr int kFastestRateTenths = 5;

// "0.5" to "32" with at most one decimal that is not zero beyond the tenths: digits, a point, digits.
std::optional<int> rateInTenths(std::string_view text) {
  const std::size_t point = text.find('.');
  const std::string_view whole = text.substr(0, point);
  const std::string_view fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
  const auto digitsOnly = [](std::string_view part) {
    return std::ranges::all_of(part, [](char c) { return c >= '0' && c <= '9'; });
  };
  if (whole.empty() || whole.size() > 3 || !digitsOnly(whole) || !digitsOnly(fraction) ||
      (point != std::string_view::npos && fraction.empty()))
    return std::nullopt;
  // Further decimals may only be zeros: 0.50 is 0.5, 0.55 is no step of the rate.
  if (fraction.size() > 1 && fraction.find_first_not_of('0', 1) != std::string_view::npos)
    return std::nullopt;
  int tenths = 0;
  for (const char digit : whole)
    tenths = tenths * 10 + (digit - '0');
  tenths = tenths * 10 + (fraction.empty() ? 0 : fraction.front() - '0');
  if (tenths < kFastestRateTenths || tenths > kSlowestRateTenths)
    return std::nullopt;
  return tenths;
}

} // namespace

ParsedArguments parseLoggerArguments(std::span<const std::string_view> arguments) {
  ParsedArguments parsed;
  LoggerOptions& options = parsed.options;
  const auto fail = [&parsed](std::string error) {
    parsed.error = std::move(error);
    return parsed;
  };
  for (std::size_t at = 0; at < arguments.size(); ++at) {
    const std::string_view flag = arguments[at];
    if (flag == "--log-only")
      continue;
    if (flag == "--help" || flag == "-h") {
      options.help = true;
      continue;
    }
    if (flag == "--quiet") {
      options.quiet = true;
      continue;
    }
    if (flag == "--verbose") {
      options.verbose = true;
      continue;
    }
    if (flag == "--mqtt-allow-plain-password") {
      options.plainPassword = true;
      continue;
    }
    if (flag != "--device" && flag != "--port" && flag != "--rate" && flag != "--dir" && flag != "--mqtt" &&
        flag != "--mqtt-ca" && flag != "--mqtt-password-file" && flag != "--limits")
      return fail("unknown argument \"" + std::string(flag) + "\"");
    if (at + 1 == arguments.size())
      return fail(std::string(flag) + " needs a value");
    const std::string_view value = arguments[++at];
    if (flag == "--device") {
      if (value.empty())
        return fail("--device needs a path (the serial device the drive is on)");
      options.device = value;
    } else if (flag == "--port") {
      if (value != "1" && value != "2")
        return fail("--port takes 1 or 2, not \"" + std::string(value) + "\"");
      options.port = value == "1" ? 1 : 2;
    } else if (flag == "--rate") {
      options.rateTenths = rateInTenths(value);
      if (!options.rateTenths)
        return fail("--rate takes seconds from 0.5 to 32 in steps of 0.1, not \"" + std::string(value) + "\"");
    } else if (flag == "--mqtt") {
      if (const BrokerSettingsResult url = parseBrokerUrl(value); !url.settings)
        return fail("--mqtt: " + url.error);
      options.mqttUrl = value;
    } else if (flag == "--mqtt-ca") {
      options.mqttCaFile = value;
    } else if (flag == "--mqtt-password-file") {
      options.mqttPasswordFile = value;
    } else if (flag == "--limits") {
      if (value.empty())
        return fail("--limits needs a file (limits.conf)");
      options.limitsFile = value;
    } else {
      if (value.empty())
        return fail("--dir needs a folder");
      options.folder = value;
    }
  }
  if (options.mqttUrl.empty() && (!options.mqttCaFile.empty() || !options.mqttPasswordFile.empty()))
    return fail("--mqtt-ca and --mqtt-password-file go with --mqtt URL");
  if (!options.device.empty() && options.port)
    return fail("--device and --port name the same thing: give one of them");
  if (options.quiet && options.verbose)
    return fail("--quiet and --verbose contradict each other: give one of them");
  return parsed;
}

std::string loggerHelpText() {
  return "usage: orvane-trend --log-only [--device PATH | --port 1|2] [--rate SECONDS] [--dir DIR]\n"
         "                    [--mqtt URL [--mqtt-ca FILE] [--mqtt-password-file FILE]] [--limits FILE]\n"
         "                    [--quiet | --verbose]\n"
         "\n"
         "Records the drive unattended, without a window: one session file a session (each start,\n"
         "each reconnection, each local midnight, each step of the clock), named by its local start and\n"
         "UTC offset (Trend-YYYY-MM-DD_HH-MM-SS+HHMM.CSV); trips and other events in Events.CSV.\n"
         "The quantities and the rate come from ta.ini as Options stores them, unless given here.\n"
         "\n"
         "  --device PATH    the serial device the drive is on\n"
         "  --port 1|2       the device of \"Communications Port 1\" or \"2\", chosen as the window does\n"
         "                   (ORVANE_PORT1/2, then devices.conf, then the USB adapters present)\n"
         "  --rate SECONDS   sample interval, 0.5 to 32 in steps of 0.1 (default: ta.ini)\n"
         "  --dir DIR        where the files go (default: $HOME/orvane-logs)\n"
         "  --mqtt URL       publish every sample, the status and the events to an MQTT broker:\n"
         "                   mqtt://[user@]host[:port]/prefix, or mqtts:// for TLS\n"
         "  --mqtt-ca FILE   mqtts: the CA certificates to trust (default: the system's)\n"
         "  --mqtt-password-file FILE\n"
         "                   the broker user's password, the first line of FILE (mode 600, the\n"
         "                   logger's own); without it, the service's credential \"mqtt-password\"\n"
         "  --mqtt-allow-plain-password\n"
         "                   send the password over plain mqtt:// to another machine (refused unless\n"
         "                   given: anyone on the network between could read it)\n"
         "  --limits FILE    limits to watch, one a line: NAME = QUANTITY (>|<) VALUE [for SECONDS]\n"
         "                   [hysteresis VALUE], QUANTITY frequency_hz, current_a, current_pct or\n"
         "                   dc_link_v; each crossing and clearing is an event (a bad file is told\n"
         "                   and the drive is recorded without limits)\n"
         "  --quiet          no status lines\n"
         "  --verbose        a status line for every sample as well\n"
         "  --help           this text\n"
         "\n"
         "Status lines go to standard output, one per start, identification, trip, failure,\n"
         "reconnection and end. Faults of the drive or the line never end the recording: the port\n"
         "is closed and opened again after 5 s, up to 60 s after repeated failures.\n"
         "\n"
         "Exit codes:\n"
         "  0  ended by SIGINT or SIGTERM (port closed, every file whole)\n"
         "  1  an internal error\n"
         "  2  a bad argument (not worth restarting)\n"
         "  3  the log folder cannot be created or written, or another logger records into it\n";
}

std::string defaultLogFolder() {
  const char* home = std::getenv("HOME");
  return std::string(home != nullptr && *home != '\0' ? home : ".") + "/orvane-logs";
}

} // namespace orvane
