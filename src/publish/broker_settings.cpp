#include "publish/broker_settings.h"

#include "publish/password_file.h"

#include <arpa/inet.h>
#include <charconv>
#include <cstring>
#include <fstream>

namespace orvane {
namespace {

BrokerSettingsResult failure(std::string why) { return {std::nullopt, std::move(why), {}}; }

bool startsWith(std::string_view text, std::string_view start) { return text.substr(0, start.size()) == start; }

// Splits "host", "host:port", "[v6]" or "[v6]:port"; an error text when malformed.
std::string takeHostAndPort(std::string_view hostPort, BrokerSettings& settings) {
  std::string_view portText;
  if (startsWith(hostPort, "[")) {
    const auto close = hostPort.find(']');
    if (close == std::string_view::npos)
      return "an IPv6 address in the URL lacks its closing ']'";
    settings.host = hostPort.substr(1, close - 1);
    const std::string_view rest = hostPort.substr(close + 1);
    if (!rest.empty() && !startsWith(rest, ":"))
      return "unexpected text after the IPv6 address: " + std::string(rest);
    portText = rest.empty() ? rest : rest.substr(1);
  } else {
    const auto colon = hostPort.find(':');
    settings.host = hostPort.substr(0, colon);
    portText = colon == std::string_view::npos ? std::string_view() : hostPort.substr(colon + 1);
  }
  if (settings.host.empty())
    return "the URL names no broker host";
  if (!portText.empty() || hostPort.ends_with(':')) {
    int port = 0;
    const auto [end, error] = std::from_chars(portText.data(), portText.data() + portText.size(), port);
    if (error != std::errc() || end != portText.data() + portText.size() || port < 1 || port > 65535)
      return "the port must be a number from 1 to 65535, not \"" + std::string(portText) + "\"";
    settings.port = port;
  }
  return {};
}

std::string checkPrefix(std::string_view prefix) {
  if (prefix.empty())
    return "the URL names no topic prefix (mqtt://host/prefix)";
  if (prefix.find_first_of("+#") != std::string_view::npos)
    return "the topic prefix may not hold the wildcards + or #";
  if (prefix.find("//") != std::string_view::npos || startsWith(prefix, "/") || prefix.ends_with('/'))
    return "the topic prefix has an empty level";
  return {};
}

// The broker is on this machine: the password never reaches a network.
bool isLoopback(const std::string& host) {
  in_addr v4{};
  in6_addr v6{};
  if (inet_pton(AF_INET, host.c_str(), &v4) == 1)
    return (ntohl(v4.s_addr) >> 24) == 127;
  if (inet_pton(AF_INET6, host.c_str(), &v6) == 1)
    return std::memcmp(&v6, &in6addr_loopback, sizeof v6) == 0;
  return host == "localhost";
}

// A password over plain mqtt:// to another machine: refused (the reason), or sent with a warning
// when allowed.
std::string checkPasswordTransport(BrokerSettingsResult& result, PlainPassword plainPassword) {
  const BrokerSettings& settings = *result.settings;
  if (!settings.password || settings.tls || isLoopback(settings.host))
    return {};
  if (plainPassword == PlainPassword::refused)
    return "a password over plain mqtt:// would cross the network to " + settings.host +
           " in clear text: use mqtts://, or allow it expressly where the network is trusted "
           "(--mqtt-allow-plain-password, allow_plain_password=yes in mqtt.conf)";
  result.warning =
      "the password goes to " + settings.host + " in clear text over plain mqtt://; mqtts:// would keep it secret";
  return {};
}

} // namespace

BrokerSettingsResult parseBrokerUrl(std::string_view url) {
  BrokerSettings settings;
  std::string_view rest;
  if (startsWith(url, "mqtt://")) {
    rest = url.substr(7);
  } else if (startsWith(url, "mqtts://")) {
    rest = url.substr(8);
    settings.tls = true;
    settings.port = 8883;
  } else {
    return failure("the broker URL must begin with mqtt:// or mqtts://");
  }

  const auto slash = rest.find('/');
  std::string_view authority = rest.substr(0, slash);
  std::string_view prefix = slash == std::string_view::npos ? std::string_view() : rest.substr(slash + 1);
  if (prefix.ends_with('/'))
    prefix.remove_suffix(1);

  if (const auto at = authority.rfind('@'); at != std::string_view::npos) {
    settings.user = authority.substr(0, at);
    authority.remove_prefix(at + 1);
    if (settings.user.find(':') != std::string::npos)
      return failure("the password goes in a password file, never in the URL");
    if (settings.user.empty())
      return failure("the URL has an '@' but no user name before it");
  }
  if (std::string why = takeHostAndPort(authority, settings); !why.empty())
    return failure(why);
  if (std::string why = checkPrefix(prefix); !why.empty())
    return failure(why);
  settings.prefix = prefix;
  return {settings, {}, {}};
}

BrokerSettingsResult brokerSettings(std::string_view url, const std::string& caFile,
                                    const std::string& passwordFile, PlainPassword plainPassword) {
  BrokerSettingsResult result = parseBrokerUrl(url);
  if (!result.settings)
    return result;
  BrokerSettings& settings = *result.settings;
  if (!caFile.empty()) {
    if (!settings.tls)
      return failure("a CA file is for mqtts:// URLs only");
    if (!std::ifstream(caFile))
      return failure("cannot read the CA file " + caFile);
    settings.caFile = caFile;
  }
  if (!passwordFile.empty()) {
    if (settings.user.empty())
      return failure("a password file needs a user name in the URL (mqtt://user@host/prefix)");
    PasswordResult password = readPasswordFile(passwordFile);
    if (!password.password)
      return failure(password.error);
    settings.password = std::move(password.password);
  } else if (std::optional<PasswordResult> credential =
                 settings.user.empty() ? std::nullopt : readPasswordCredential()) {
    if (!credential->password)
      return failure(credential->error);
    settings.password = std::move(credential->password);
  }
  if (std::string why = checkPasswordTransport(result, plainPassword); !why.empty())
    return failure(why);
  return result;
}

} // namespace orvane
