#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// Where and how to publish: mqtt://[user@]host[:port]/prefix, or mqtts:// for TLS. The topics
// are prefix/sample, prefix/status and prefix/event. The password comes from a file only, so
// that it is never seen in a process list or a shell history.
struct BrokerSettings {
  bool tls = false;
  std::string host;
  int port = 1883;
  std::string user; // empty: no user name is sent
  std::string prefix;
  std::string caFile; // TLS: the certificates to trust; empty: the system's
  std::optional<std::string> password;
};

// Settings, or why there are none. Both empty: nothing is configured (no mqtt.conf).
struct BrokerSettingsResult {
  std::optional<BrokerSettings> settings;
  std::string error;
};

// The URL alone: scheme, user, host ([...] for IPv6), port (default 1883, mqtts 8883), prefix.
BrokerSettingsResult parseBrokerUrl(std::string_view url);

// The URL with a CA file and a password file (either may be empty), as the logger's flags
// --mqtt, --mqtt-ca and --mqtt-password-file give them. The files are read and checked now,
// so that a wrong path is reported at start and not at the first connection.
BrokerSettingsResult brokerSettings(std::string_view url, const std::string& caFile,
                                    const std::string& passwordFile);

// The first line of a password file, without its line end.
struct PasswordResult {
  std::optional<std::string> password;
  std::string error;
};
PasswordResult readPasswordFile(const std::string& path);

} // namespace orvane
