#include "monitor/tick_guard.h"

namespace orvane {

bool TickGuard::runTick(bool modalBoxOpen, const std::function<void()>& tick) {
  if (modalBoxOpen || handlerActive() || !tick)
    return false;
  const Busy busy = handlerRunning();
  tick();
  return true;
}

} // namespace orvane
