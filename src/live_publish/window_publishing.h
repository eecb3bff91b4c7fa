#pragma once

#include "monitor/monitoring_session.h"
#include "platform/message_boxes.h"
#include "publish/publisher.h"
#include "publish/publisher_report.h"
#include "publish/session_publishing.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>

namespace orvane {

// The window's publishing, set up once at start-up from the broker configuration file: with valid
// settings every reading and event of the session goes to the broker from then on; a bad file is
// told once in a message box and monitoring goes on as before, unpublished; no file, no publishing.
class WindowPublishing {
public:
  WindowPublishing(const std::string& configPath, MonitoringSession& session, MessageBoxes& messages);
  ~WindowPublishing();
  WindowPublishing(const WindowPublishing&) = delete;
  WindowPublishing& operator=(const WindowPublishing&) = delete;

  bool publishing() const { return publisher_ != nullptr; }
  // The consumer that publishes the session, for another consumer to pass the session's calls on
  // to; none when nothing is published.
  SessionConsumer* consumer() const { return consumer_.get(); }
  // Publishes an event of the window's own, stamped now; nothing when nothing is published.
  void publishEvent(SessionEvent::Kind kind, const std::string& text) const {
    if (consumer_)
      consumer_->happened(std::chrono::system_clock::now(), {kind, text, {}});
  }
  // The link's counts so far, read once a second: in the status when due; nothing when nothing is
  // published.
  void publishLinkHealth(const LinkHealth& total, Clock::Duration now) const {
    if (consumer_)
      consumer_->linkCounted(total, now);
  }
  // How the publishing goes, for the window; nothing when nothing is published.
  std::optional<PublisherSummary> summary() const;

private:
  MonitoringSession& session_;
  BrokerSettings settings_;
  std::unique_ptr<Publisher> publisher_;
  std::unique_ptr<SessionPublishing> consumer_;
};

} // namespace orvane
