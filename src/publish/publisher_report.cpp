#include "publish/publisher_report.h"

namespace orvane {

std::string brokerUrlText(const BrokerSettings& settings) {
  const bool ipv6 = settings.host.find(':') != std::string::npos;
  return std::string(settings.tls ? "mqtts://" : "mqtt://") + (settings.user.empty() ? "" : settings.user + "@") +
         (ipv6 ? "[" + settings.host + "]" : settings.host) + ":" + std::to_string(settings.port) + "/" +
         settings.prefix;
}

PublisherSummary publisherSummary(const PublisherHealth& health, const BrokerSettings& settings) {
  const std::string counts = std::to_string(health.waitingMessages) + " messages waiting, " +
                             std::to_string(health.droppedMessages) + " dropped";
  if (health.connected)
    return {"MQTT: publishing", "Publishing to " + brokerUrlText(settings) + "\n" + counts};
  return {"MQTT: not connected", "Not connected to " + brokerUrlText(settings) +
                                     (health.lastError.empty() ? "" : "\n" + health.lastError + "; trying again") +
                                     "\n" + counts};
}

PublisherReport::PublisherReport(const BrokerSettings& settings) : broker_(brokerUrlText(settings)) {}

std::vector<std::string> PublisherReport::update(const PublisherHealth& health) {
  std::vector<std::string> lines;
  if (health.connected && !connected_)
    lines.push_back("MQTT: publishing to " + broker_);
  if (!health.lastError.empty() && health.lastError != lastError_)
    lines.push_back("MQTT: " + health.lastError + "; trying again");
  if (health.droppedMessages > dropped_)
    lines.push_back("MQTT: the queue was full, " + std::to_string(health.droppedMessages) +
                    " messages dropped so far");
  connected_ = health.connected;
  lastError_ = health.lastError;
  dropped_ = health.droppedMessages;
  return lines;
}

} // namespace orvane
