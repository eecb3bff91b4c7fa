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

// Settings, or why there are none. Both empty: nothing is configured (no mqtt.conf). A warning
// goes with settings that work but expose something (a password sent in clear text).
struct BrokerSettingsResult {
  std::optional<BrokerSettings> settings;
  std::string error;
  std::string warning;
};

// Whether a password may go over plain mqtt:// to a broker on another machine, where anyone on
// the network between can read it. Loopback is always allowed: the password never leaves the host.
enum class PlainPassword { refused, allowed };

// The URL alone: scheme, user, host ([...] for IPv6), port (default 1883, mqtts 8883), prefix.
BrokerSettingsResult parseBrokerUrl(std::string_view url);

// The URL with a CA file and a password file (either may be empty), as the logger's flags
// --mqtt, --mqtt-ca and --mqtt-password-file give them. The files are read and checked now,
// so that a wrong path is reported at start and not at the first connection. Without a password
// file, a URL with a user takes the password from the credential "mqtt-password" that the service
// manager passes in $CREDENTIALS_DIRECTORY, when there is one.
BrokerSettingsResult brokerSettings(std::string_view url, const std::string& caFile,
                                    const std::string& passwordFile,
                                    PlainPassword plainPassword = PlainPassword::refused);

} // namespace orvane
