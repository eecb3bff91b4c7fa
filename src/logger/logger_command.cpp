#include "logger/logger_command.h"

#include "limits/limits_file.h"
#include "link/link.h"
#include "logger/logger_options.h"
#include "logger/publisher_status_lines.h"
#include "logger/unattended_logger.h"
#include "platform/device_choice.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"
#include "publish/session_publishing.h"
#include "settings/settings_file.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <sys/prctl.h>
#include <vector>

namespace orvane {
namespace {

// Nobody is at the screen: what goes wrong is told in the status lines.
class UnattendedMessageBoxes final : public MessageBoxes {
public:
  MessageAnswer show(MessageIcon /*icon*/, MessageButtons buttons, const std::string& /*title*/,
                     const std::string& /*text*/) override {
    return buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
  }
};

class SilentBeeper final : public Beeper {
public:
  void beep() override {}
};

constexpr int kFastestRate = 5;
constexpr int kSlowestRate = 320;

// The settings as Options stores them; a missing or damaged ta.ini gives the defaults, as the
// window would show them (the logger never rewrites the file).
AppliedSettings storedSettings() {
  AppliedSettings settings;
  if (!readSettingsFile(settings))
    for (std::size_t line = 0; line < kStoredSettings.size(); ++line)
      settings.*kStoredSettings[line] = kDefaultSettings[line];
  return settings;
}

} // namespace

int runLoggerCommand(int argc, const char* const* argv) {
  const std::vector<std::string_view> arguments(argv + 1, argv + argc);
  const ParsedArguments parsed = parseLoggerArguments(arguments);
  if (!parsed.error.empty()) {
    std::fprintf(stderr, "orvane-trend --log-only: %s\n(orvane-trend --log-only --help lists the flags)\n",
                 parsed.error.c_str());
    return logger_exit::kBadArgument;
  }
  const LoggerOptions& options = parsed.options;
  if (options.help) {
    std::fputs(loggerHelpText().c_str(), stdout);
    return logger_exit::kStopped;
  }

  const AppliedSettings settings = storedSettings();
  const LoggedQuantities quantities{settings.speedon == 1, settings.currenton == 1, settings.dcon == 1,
                                    settings.directiongraphon == 1};
  if (!quantities.frequency && !quantities.current && !quantities.dcLink) {
    std::fprintf(stderr,
                 "orvane-trend --log-only: %s ticks none of Speed, Current and DC Link Voltage: nothing to "
                 "log (tick one in Options)\n",
                 settingsPath().c_str());
    return logger_exit::kBadArgument;
  }
  const bool storedRateFits = settings.samplerate >= kFastestRate && settings.samplerate <= kSlowestRate;
  const int rateTenths = options.rateTenths.value_or(storedRateFits ? settings.samplerate : kFastestRate);
  const std::string device = !options.device.empty()
                                 ? options.device
                                 : serialDeviceForPort(options.port.value_or(settings.port2on ? 2 : 1));

  // No core dump and no other process of the same user reading its memory: it holds the password.
  prctl(PR_SET_DUMPABLE, 0);
  const BrokerSettingsResult broker =
      options.mqttUrl.empty()
          ? BrokerSettingsResult{}
          : brokerSettings(options.mqttUrl, options.mqttCaFile, options.mqttPasswordFile,
                           options.plainPassword ? PlainPassword::allowed : PlainPassword::refused);
  if (!broker.error.empty()) {
    std::fprintf(stderr, "orvane-trend --log-only: %s\n", broker.error.c_str());
    return logger_exit::kBadArgument;
  }
  if (!broker.warning.empty())
    std::fprintf(stderr, "orvane-trend --log-only: warning: %s\n", broker.warning.c_str());

  SystemWallClock wall;
  const StatusLines status(stdout,
                           options.quiet     ? StatusLines::Detail::Quiet
                           : options.verbose ? StatusLines::Detail::Verbose
                                             : StatusLines::Detail::Normal,
                           wall);
  PosixSerialPort port(device);
  SteadyClock clock;
  UnattendedMessageBoxes messages;
  SilentBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link(platform);
  // A signal abandons the link's wait or pause in progress, so the end comes at once.
  SignalStop stop([&link] { link.abandon(); });
  // A bad limits file must not keep the drive from being recorded: it is told, and nothing is watched.
  const LoadedLimits limits =
      options.limitsFile.empty() ? LoadedLimits{} : loadLimitsFile(options.limitsFile, false);
  if (!limits.error.empty())
    status.report("limits", limits.error + "; recording without limits");
  else if (!limits.limits.empty())
    status.report("limits", std::to_string(limits.limits.size()) + " watched, from " + options.limitsFile);
  LimitWatch limitWatch(limits.limits);
  StatusEvents events(status);
  LoggerDrive drive(link, events, quantities);
  RepeatedStatus repeatedStatus(status, clock);
  std::unique_ptr<Publisher> publisher;
  std::unique_ptr<PublisherStatusLines> publisherStatus;
  std::unique_ptr<SessionPublishing> publishing;
  if (broker.settings) {
    publisher = std::make_unique<Publisher>(*broker.settings, PublisherOptions{rateTenths / 10.0});
    publisherStatus = std::make_unique<PublisherStatusLines>(*publisher, *broker.settings, repeatedStatus);
    publishing = std::make_unique<SessionPublishing>(*publisher, [&publisherStatus] { publisherStatus->look(); });
  }
  ServiceNotifier notifier(std::getenv("NOTIFY_SOCKET"));
  UnattendedLogger logger({drive, clock, wall, stop, status, publishing.get(),
                           limits.limits.empty() ? nullptr : &limitWatch, &notifier},
                          {options.folder.empty() ? defaultLogFolder() : options.folder, rateTenths, device});
  return logger.run();
}

} // namespace orvane
