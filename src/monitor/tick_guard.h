#pragma once

#include <functional>

namespace orvane {

// Keeps timer ticks out of our other handlers. Every handler of ours runs
// inside a Busy scope; a tick that arrives while one is running (a message
// box or dialog inside it lets timer events through) or while a modal box is
// open is skipped, and the next tick comes on time.
class TickGuard {
public:
  class Busy {
  public:
    explicit Busy(TickGuard& guard) : guard_(&guard) { ++guard_->depth_; }
    ~Busy() { --guard_->depth_; }
    Busy(const Busy&) = delete;
    Busy& operator=(const Busy&) = delete;

  private:
    TickGuard* guard_;
  };

  // Marks a handler as running until the returned scope ends.
  [[nodiscard]] Busy handlerRunning() { return Busy(*this); }
  bool handlerActive() const { return depth_ > 0; }

  // Runs the tick as a handler of its own unless it must be skipped; true if it ran.
  bool runTick(bool modalBoxOpen, const std::function<void()>& tick);

private:
  int depth_ = 0;
};

} // namespace orvane
