#pragma once

#include "publish/broker_settings.h"

#include <string>

namespace orvane {

// mqtt.conf beside ta.ini, where the windowed program finds its broker.
std::string brokerConfigPath();

// Reads a broker configuration file of key=value lines (blank lines and lines starting with
// '#' are skipped):
//   url=mqtts://drive-watch@broker.example/plant/line1
//   ca_file=broker-ca.pem          (relative paths are taken from the file's folder)
//   password_file=mqtt-password
//   allow_plain_password=yes       (a password over plain mqtt:// to another machine; default no)
// A file that does not exist gives neither settings nor an error: publishing is off. Any
// other problem gives an error naming the file and the line.
BrokerSettingsResult loadBrokerConfig(const std::string& path);

} // namespace orvane
