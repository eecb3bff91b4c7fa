#include "fakes/fake_clock.h"
#include "monitor/startup.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using namespace std::chrono_literals;

TEST(SplashWaitTest, sleepsThatEndEarlyAreResumedUntilJustOverThreeSecondsHavePassed) {
  testing::FakeClock clock;
  struct LateClock final : Clock {
    explicit LateClock(testing::FakeClock& inner) : inner(inner) {}
    Duration now() const override { return inner.now(); }
    void sleepFor(Duration duration) override { inner.sleepFor(duration / 2); }
    testing::FakeClock& inner;
  } late(clock);
  const Clock::Duration start = clock.now();
  waitMoreThan(late, kSplashTime);
  EXPECT_GT(clock.now() - start, 3s);
  EXPECT_LT(clock.now() - start, 3s + 10ms);
}

} // namespace
} // namespace orvane
