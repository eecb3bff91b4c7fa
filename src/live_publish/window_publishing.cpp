#include "live_publish/window_publishing.h"

#include "publish/broker_config_file.h"

namespace orvane {

WindowPublishing::WindowPublishing(const std::string& configPath, MonitoringSession& session,
                                   MessageBoxes& messages)
    : session_(session) {
  const BrokerSettingsResult config = loadBrokerConfig(configPath);
  if (!config.error.empty()) {
    messages.show(MessageIcon::Exclamation, MessageButtons::Ok, "MQTT",
                  config.error + "\nNothing is published; monitoring works as before.");
    return;
  }
  if (!config.settings)
    return;
  // allow_plain_password=yes: said at each start, since the password crosses the network as text.
  if (!config.warning.empty())
    messages.show(MessageIcon::Exclamation, MessageButtons::Ok, "MQTT", "Warning: " + config.warning + ".");
  settings_ = *config.settings;
  publisher_ = std::make_unique<Publisher>(settings_, PublisherOptions{});
  consumer_ = std::make_unique<SessionPublishing>(*publisher_);
  session_.setConsumer(consumer_.get());
}

std::optional<PublisherSummary> WindowPublishing::summary() const {
  if (!publisher_)
    return std::nullopt;
  return publisherSummary(publisher_->health(), settings_);
}

WindowPublishing::~WindowPublishing() {
  if (consumer_)
    session_.setConsumer(nullptr);
}

} // namespace orvane
