#include "monitor/tick_guard.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

class TickGuardTest : public ::testing::Test {
protected:
  TickGuard guard;
  int ticks = 0;
  std::function<void()> tick = [this] { ++ticks; };
};

TEST_F(TickGuardTest, tickIsSkippedWhileAHandlerRunsAndRunsAgainAfterIt) {
  {
    const TickGuard::Busy busy = guard.handlerRunning();
    EXPECT_FALSE(guard.runTick(false, tick));
  }
  EXPECT_TRUE(guard.runTick(false, tick));
  EXPECT_EQ(ticks, 1);
}

TEST_F(TickGuardTest, tickIsSkippedWhileAModalBoxIsOpen) {
  EXPECT_FALSE(guard.runTick(true, tick));
  EXPECT_EQ(ticks, 0);
}

TEST_F(TickGuardTest, tickArrivingDuringATickIsSkipped) {
  int nested = 0;
  guard.runTick(false, [&] { nested += guard.runTick(false, tick); });
  EXPECT_EQ(nested, 0);
  EXPECT_EQ(ticks, 0);
  EXPECT_FALSE(guard.handlerActive());
}

} // namespace
} // namespace orvane
