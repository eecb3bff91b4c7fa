// Reads arbitrary bytes as command lines, the arguments split at NUL bytes: the logger's
// (--log-only ...), --render's, or a file name the logger and --render read a start time from, as the
// first byte says. Besides what the sanitizers catch: exactly one of a request and an error comes
// out, an accepted request holds only values its flags allow, and a session file's name gives a start
// time that names the file again.

#include "logger/logger_options.h"
#include "monitor/session_log_name.h"
#include "publish/broker_settings.h"
#include "render/render_request.h"

#include <algorithm>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace {

using namespace orvane;

void checkLoggerArguments(const std::vector<std::string_view>& arguments) {
  const ParsedArguments parsed = parseLoggerArguments(arguments);
  if (!parsed.error.empty())
    return;
  const LoggerOptions& options = parsed.options;
  if ((options.rateTenths && (*options.rateTenths < 5 || *options.rateTenths > 320)) ||
      (options.port && *options.port != 1 && *options.port != 2) || (!options.device.empty() && options.port) ||
      (options.quiet && options.verbose) ||
      (!options.mqttUrl.empty() && !parseBrokerUrl(options.mqttUrl).settings) ||
      (options.mqttUrl.empty() && (!options.mqttCaFile.empty() || !options.mqttPasswordFile.empty())))
    std::abort();
}

void checkRenderArguments(std::vector<std::string_view> arguments) {
  arguments.insert(arguments.begin(), "--render");
  const ParsedRender parsed = parseRenderArguments(arguments);
  if (parsed.request.has_value() == !parsed.error.empty())
    std::abort();
  if (parsed.request &&
      (parsed.request->log.empty() || parsed.request->picture.empty() || parsed.request->width < 1 ||
       parsed.request->height < 1 || (parsed.request->session && *parsed.request->session < 1)))
    std::abort();
}

void checkFileName(std::string_view name) {
  if (const std::optional<LogStartTime> start = sessionLogStartTime(name)) {
    if (sessionLogStartTime(sessionLogFileName(*start)) != start)
      std::abort();
  }
  if (const std::optional<ClockTime> start = loggerFileStart(name)) {
    if (start->month < 1 || start->month > 12 || start->day < 1 || start->day > 31 || start->hour < 0 ||
        start->hour > 23 || start->minute < 0 || start->minute > 59 || start->second < 0 || start->second >= 61)
      std::abort();
  }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0)
    return 0;
  const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
  std::vector<std::string_view> arguments;
  for (std::size_t start = 0; start <= text.size();) {
    const std::size_t end = std::min(text.find('\0', start), text.size());
    arguments.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  switch (data[0] % 3) {
  case 0:
    checkLoggerArguments(arguments);
    break;
  case 1:
    checkRenderArguments(arguments);
    break;
  default:
    checkFileName(text);
    break;
  }
  return 0;
}
