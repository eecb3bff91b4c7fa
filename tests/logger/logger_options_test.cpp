#include "logger/logger_options.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

struct ArgumentCase {
  std::vector<std::string_view> arguments;
  std::string errorMentions; // empty: accepted
  std::string device = {};
  std::optional<int> port = {};
  std::optional<int> rateTenths = {};
  std::string folder = {};
};

TEST(LoggerOptionsTest, argumentsAreAcceptedOrRefusedWithTheReason) {
  const std::vector<ArgumentCase> cases{
      {{"--log-only"}, ""},
      {{"--log-only", "--device", "/dev/ttyUSB0"}, "", "/dev/ttyUSB0"},
      {{"--port", "2", "--log-only"}, "", "", 2},
      {{"--log-only", "--rate", "0.5"}, "", "", {}, 5},
      {{"--log-only", "--rate", "32"}, "", "", {}, 320},
      {{"--log-only", "--rate", "2.30"}, "", "", {}, 23},
      {{"--log-only", "--dir", "/srv/logs"}, "", "", {}, {}, "/srv/logs"},
      {{"--log-only", "--rate", "0.4"}, "--rate takes seconds from 0.5 to 32"},
      {{"--log-only", "--rate", "32.1"}, "--rate takes"},
      {{"--log-only", "--rate", "1.25"}, "--rate takes"},
      {{"--log-only", "--rate", "1e1"}, "--rate takes"},
      {{"--log-only", "--rate", ".5"}, "--rate takes"},
      {{"--log-only", "--rate", "5."}, "--rate takes"},
      {{"--log-only", "--rate"}, "--rate needs a value"},
      {{"--log-only", "--port", "3"}, "--port takes 1 or 2"},
      {{"--log-only", "--device", ""}, "--device needs a path"},
      {{"--log-only", "--dir", ""}, "--dir needs a folder"},
      {{"--log-only", "--device", "/dev/x", "--port", "1"}, "give one of them"},
      {{"--log-only", "--quiet", "--verbose"}, "contradict"},
      {{"--log-only", "--speed"}, "unknown argument \"--speed\""},
      {{"--log-only", "--mqtt", "mqtt://broker/plant", "--mqtt-password-file", "pw"}, ""},
      {{"--log-only", "--mqtt", "http://broker/plant"}, "--mqtt: "},
      {{"--log-only", "--mqtt", "mqtt://broker:0/plant"}, "--mqtt: the port"},
      {{"--log-only", "--mqtt-ca", "ca.pem"}, "go with --mqtt URL"},
      {{"--log-only", "--limits", "/etc/orvane/limits.conf"}, ""},
      {{"--log-only", "--limits", ""}, "--limits needs a file"},
  };
  for (const ArgumentCase& entry : cases) {
    const ParsedArguments parsed = parseLoggerArguments(entry.arguments);
    const std::string arguments = entry.arguments.empty() ? "" : std::string(entry.arguments.back());
    if (entry.errorMentions.empty()) {
      EXPECT_EQ(parsed.error, "") << arguments;
      EXPECT_EQ(parsed.options.device, entry.device) << arguments;
      EXPECT_EQ(parsed.options.port, entry.port) << arguments;
      EXPECT_EQ(parsed.options.rateTenths, entry.rateTenths) << arguments;
      EXPECT_EQ(parsed.options.folder, entry.folder) << arguments;
    } else {
      EXPECT_NE(parsed.error.find(entry.errorMentions), std::string::npos) << arguments << ": " << parsed.error;
    }
  }
}

TEST(LoggerOptionsTest, helpListsEveryFlagAndExitCode) {
  const std::string help = loggerHelpText();
  for (const char* flag : {"--device", "--port", "--rate", "--dir", "--mqtt", "--mqtt-ca", "--mqtt-password-file",
                           "--mqtt-allow-plain-password", "--limits", "--quiet", "--verbose", "--help"})
    EXPECT_NE(help.find(flag), std::string::npos) << flag;
  for (const char* code : {"  0  ", "  1  ", "  2  ", "  3  "})
    EXPECT_NE(help.find(code), std::string::npos) << code;
}

} // namespace
} // namespace orvane
