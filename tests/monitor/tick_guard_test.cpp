#include "monitor/tick_guard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// Handlers and message boxes holding ticks off are checked on the real window;
// a tick arriving while a tick runs only happens here.
TEST(TickGuardTest, tickArrivingDuringATickIsSkipped) {
  TickGuard guard;
  int ticks = 0;
  int nested = 0;
  guard.runTick(false, [&] { nested += guard.runTick(false, [&] { ++ticks; }); });
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(guard.handlerActive());
  EXPECT_TRUE(guard.runTick(false, [&] { ++ticks; }));
}

} // namespace
} // namespace orvane
