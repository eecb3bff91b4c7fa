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
  publisher_ = std::make_unique<Publisher>(*config.settings, PublisherOptions{});
  listener_ = std::make_unique<SessionPublishing>(*publisher_);
  session_.setListener(listener_.get());
}

WindowPublishing::~WindowPublishing() {
  if (listener_)
    session_.setListener(nullptr);
}

} // namespace orvane
