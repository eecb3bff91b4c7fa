#include "engine/paced_output.h"

#include <gtest/gtest.h>

namespace orvane::sim {
namespace {

using namespace std::chrono_literals;

TEST(Pacing, tenBytesAt4800BaudTakeTheirWireTime) {
  PacedOutput line(4800);
  const Bytes reply(10, 0x00);
  const PacedOutput::Time done = line.enqueue(reply, 1s);
  EXPECT_EQ(done, 1s + 22'916'666ns);
  EXPECT_EQ(line.nextDue(), 1s + 2'291'666ns);
  EXPECT_TRUE(line.takeDue(1s + 2'291'665ns).empty());
  EXPECT_EQ(line.takeDue(1s + 5ms).size(), 2u);
  EXPECT_EQ(line.takeDue(done).size(), 8u);
  EXPECT_FALSE(line.nextDue());
}

TEST(Pacing, longRunDoesNotDrift) {
  PacedOutput line(4800);
  const Bytes one{0x55};
  PacedOutput::Time done{};
  for (int byte = 0; byte < 4800; ++byte)
    done = line.enqueue(one, {});
  EXPECT_EQ(done, 11s);
}

TEST(Pacing, replyQueuedWhileTheLineIsBusyWaitsForItAndAnIdleLineStartsAfresh) {
  PacedOutput line(4800);
  line.enqueue(Bytes(2, 0), {});
  EXPECT_EQ(line.enqueue(Bytes(1, 0), 1ms), 6'875'000ns);
  EXPECT_EQ(line.enqueue(Bytes(1, 0), 1s), 1s + 2'291'666ns);
}

} // namespace
} // namespace orvane::sim
