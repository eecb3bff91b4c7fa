#include "monitor/tick_guard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Which windows let ticks through is checked on the real window; a tick
// arriving while a tick runs only happens here.
TEST(TickGuardTest, aTickIsHeldOnlyWhileAnotherTickOrLinkWorkRuns) {
  TickGuard guard;
  int ticks = 0;
  const auto tick = [&] { ++ticks; };
  int nested = 0;
  guard.runTick([&] { nested += guard.runTick(tick); });
  EXPECT_EQ(nested, 0);
  {
    const TickGuard::Hold linkWork = guard.hold();
    EXPECT_FALSE(guard.runTick(tick));
  }
  EXPECT_FALSE(guard.held());
  EXPECT_TRUE(guard.runTick(tick));
  EXPECT_EQ(ticks, 1);
  EXPECT_EQ(guard.skipped(), 2u); // the window says them as late ticks
}

} // namespace
} // namespace orvane
