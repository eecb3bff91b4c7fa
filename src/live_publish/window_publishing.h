#pragma once

#include "live_publish/link_health_publishing.h"
#include "live_publish/session_publishing.h"
#include "monitor/monitoring_session.h"
#include "platform/message_boxes.h"
#include "publish/publisher.h"
#include "publish/publisher_report.h"

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
  // The listener that publishes the session, for another listener to pass the session's calls on
  // to; none when nothing is published.
  SessionListener* listener() const { return listener_.get(); }
  // Publishes an event of the window's own; nothing when nothing is published.
  void publishEvent(EventKind kind, const std::string& text) const {
    if (listener_)
      listener_->event(kind, text);
  }
  // The link's counts so far, read once a second: in the status when due; nothing when nothing is
  // published.
  void publishLinkHealth(const LinkHealth& total, Clock::Duration now) const {
    if (linkHealth_)
      linkHealth_->update(total, now);
  }
  // How the publishing goes, for the window; nothing when nothing is published.
  std::optional<PublisherSummary> summary() const;

private:
  MonitoringSession& session_;
  BrokerSettings settings_;
  std::unique_ptr<Publisher> publisher_;
  std::unique_ptr<SessionPublishing> listener_;
  std::unique_ptr<LinkHealthPublishing> linkHealth_;
};

} // namespace orvane
