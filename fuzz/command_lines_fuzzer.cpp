// Reads arbitrary bytes, as the first byte says, as the logger's or --render's arguments (split at
// NUL bytes), a file name the logger and --render read a start time from, a broker URL or mqtt.conf.
// Besides what the sanitizers catch: an accepted logger command holds only values its flags allow,
// a session file's start time names a file with the same start time, and accepted broker settings
// hold a host, a port and a topic prefix without an empty level or a wildcard.

#include "logger/logger_options.h"
#include "publish/broker_config_file.h"
#include "render/render_request.h"
#include "session_log/session_log_name.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

using namespace orvane;

void checkLoggerArguments(const std::vector<std::string_view>& arguments) {
  const ParsedArguments parsed = parseLoggerArguments(arguments);
  const LoggerOptions& options = parsed.options;
  if (parsed.error.empty() && ((options.rateTenths && (*options.rateTenths < 5 || *options.rateTenths > 320)) ||
                               (!options.device.empty() && options.port) || (options.quiet && options.verbose) ||
                               (!options.mqttUrl.empty() && !parseBrokerUrl(options.mqttUrl).settings)))
    std::abort();
}

// Accepted settings: a host, a port from 1 to 65535, a prefix with no empty level or wildcard.
void checkBrokerSettings(const BrokerSettingsResult& result) {
  if (!result.settings)
    return;
  const std::string levels = "/" + result.settings->prefix + "/";
  if (result.settings->host.empty() || result.settings->port < 1 || result.settings->port > 65535 ||
      levels.find("//") != std::string::npos || levels.find_first_of("+#") != std::string::npos)
    std::abort();
}

// In memory where there is /dev/shm: the file's writes, not the parser, would set the pace.
const std::string confPath =
    (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string()) +
    "/orvane-fuzz-mqtt-" + std::to_string(getpid()) + ".conf";

void removeConf() { std::filesystem::remove(confPath); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) { return std::atexit(removeConf); }

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::string_view> arguments{"--render"};
  for (std::size_t start = 0, end = 0; start <= text.size(); start = end + 1) {
    end = std::min(text.find('\0', start), text.size());
    arguments.push_back(text.substr(start, end - start));
  }
  switch (data[0] % 5) {
  case 0:
    checkLoggerArguments({arguments.begin() + 1, arguments.end()});
    break;
  case 1:
    parseRenderArguments(arguments);
    break;
  case 2:
    loggerFileStart(text);
    if (const std::optional<LogStartTime> start = sessionLogStartTime(text))
      if (sessionLogStartTime(sessionLogFileName(*start)) != start)
        std::abort();
    break;
  case 3:
    checkBrokerSettings(parseBrokerUrl(text));
    break;
  default:
    std::ofstream(confPath, std::ios::binary | std::ios::trunc) << text;
    checkBrokerSettings(loadBrokerConfig(confPath));
    break;
  }
  return 0;
}
