#include "acquisition/tick_outcome.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

// What a tick shows and logs carries over from the tick before wherever the
// tick read nothing: the graph and the log line must not fall back to zero.
TEST(TickOutcome, valuesNotReadCarryOverAndTheSignedGraphLogsAllButForwardBelowZero) {
  TickPlan plan{"vector", 1};
  plan.frequency = plan.frequencyDirection = plan.current = plan.dcLink = true;
  ShownValues shown;
  LoggedValues logged;
  Reading reverse;
  reverse.frequency = 25.0f;
  reverse.frequencyRunState = 2;
  reverse.current = 3.5;
  reverse.currentPercent = 70;
  reverse.dcLink = 560;
  ASSERT_TRUE(takeGraphReading(reverse, plan, shown, logged));
  EXPECT_EQ(shown.direction, "R");
  EXPECT_EQ(logged.frequency, -25.0f);

  Reading unknown = reverse; // a run state that is no known state, a size without a rated current
  unknown.frequencyRunState = 7;
  unknown.currentPercent.reset();
  unknown.current = 4.0;
  ASSERT_TRUE(takeGraphReading(unknown, plan, shown, logged));
  EXPECT_EQ(shown.direction, "R");
  EXPECT_EQ(logged.frequency, -25.0f);
  EXPECT_EQ(logged.current, 4.0f);
  EXPECT_EQ(logged.currentPercent, 70.0f);

  Reading failed = reverse; // the percent read failed: no line, the DC link untouched
  failed.frequencyRunState = 1;
  failed.dcLink = 600;
  failed.failure = Reading::Failure{Reading::Step::Current, LinkFailure::ReadTimedOut};
  EXPECT_FALSE(takeGraphReading(failed, plan, shown, logged));
  EXPECT_EQ(logged.frequency, 25.0f);
  EXPECT_EQ(logged.dcLink, 560.0f);
}

} // namespace
} // namespace orvane
