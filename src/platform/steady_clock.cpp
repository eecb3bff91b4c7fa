#include "platform/steady_clock.h"

#include <thread>

namespace orvane {

Clock::Duration SteadyClock::now() const { return std::chrono::steady_clock::now().time_since_epoch(); }

void SteadyClock::sleepFor(Duration duration) { std::this_thread::sleep_for(duration); }

} // namespace orvane
