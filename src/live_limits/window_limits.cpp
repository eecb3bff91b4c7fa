#include "live_limits/window_limits.h"

#include "limits/limits_file.h"
#include "live_limits/reading_limits.h"

namespace orvane {

WindowLimits::WindowLimits(const std::string& path, MonitoringSession& session, SessionListener* next,
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
  session_.setListener(this);
}

WindowLimits::~WindowLimits() {
  if (watching())
    session_.setListener(next_);
}

// Each session is watched afresh: its times start again at 0, and a limit of the last one says
// nothing of this one.
void WindowLimits::reset() {
  watch_ = LimitWatch(watch_.limits());
  heard_({});
}

void WindowLimits::started(const SharedState& state) {
  reset();
  if (next_)
    next_->started(state);
}

void WindowLimits::sampled(const Reading& reading, double sessionSeconds) {
  if (next_)
    next_->sampled(reading, sessionSeconds);
  if (const std::vector<LimitEvent> events = watch_.feed(sessionSeconds, limitReading(reading)); !events.empty())
    heard_(events);
}

void WindowLimits::tripped(const std::string& displayText) {
  if (next_)
    next_->tripped(displayText);
}

void WindowLimits::failed(const std::string& reason) {
  if (next_)
    next_->failed(reason);
}

void WindowLimits::stopped() {
  if (next_)
    next_->stopped();
  reset();
}

} // namespace orvane
