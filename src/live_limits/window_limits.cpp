#include "live_limits/window_limits.h"

#include "limits/limits_file.h"
#include "live_limits/reading_limits.h"

namespace orvane {

WindowLimits::WindowLimits(const std::string& path, MonitoringSession& session, SessionConsumer* next,
                           MessageBoxes& messages, Heard heard)
    : session_(session), heard_(std::move(heard)), next_(next) {
  LoadedLimits loaded = loadLimitsFile(path, true);
  if (!loaded.error.empty()) {
    messages.show(MessageIcon::Exclamation, MessageButtons::Ok, "Limits",
                  loaded.error + "\nNo limits are watched; monitoring works as before.");
    return;
  }
  if (loaded.limits.empty())
    return;
  watch_ = LimitWatch(std::move(loaded.limits));
  session_.setConsumer(this);
}

WindowLimits::~WindowLimits() {
  if (watching())
    session_.setConsumer(next_);
}

// Each session is watched afresh: its times start again at 0, and a limit of the last one says
// nothing of this one.
void WindowLimits::reset() {
  watch_ = LimitWatch(watch_.limits());
  heard_({});
}

void WindowLimits::identified(const SessionDrive& drive) {
  reset();
  if (next_)
    next_->identified(drive);
}

void WindowLimits::sampled(WallTime when, double sessionSeconds, const Reading& reading) {
  if (next_)
    next_->sampled(when, sessionSeconds, reading);
  if (const std::vector<LimitEvent> events = watch_.feed(sessionSeconds, limitReading(reading)); !events.empty())
    heard_(events);
}

void WindowLimits::happened(WallTime when, const SessionEvent& event) {
  if (next_)
    next_->happened(when, event);
  if (event.kind == SessionEvent::Kind::stop)
    reset();
}

void WindowLimits::linkCounted(const LinkHealth& total, Clock::Duration now) {
  if (next_)
    next_->linkCounted(total, now);
}

} // namespace orvane
