#include "monitor/tick_guard.h"

namespace orvane {

bool TickGuard::runTick(const std::function<void()>& tick) {
  if (!tick)
    return false;
  if (held()) {
    ++skipped_;
    return false;
  }
  const Hold running = hold();
  tick();
  return true;
}

} // namespace orvane
