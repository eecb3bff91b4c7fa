#include "fakes/fake_line.h"
#include "monitor/link_worker.h"

#include <future>
#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

// Options OK and Apply during a start or the trip history read: the port's
// number is changed on the link's thread after the work in progress; a stop
// drops the queued link work but not the user's port work.
TEST(LinkWorker, portWorkWaitsForTheJobInProgressAndOutlivesAStop) {
  FakeLine line;
  LinkWorker worker(line.link);
  std::promise<void> started, release, idle;
  worker.post([&started, held = release.get_future().share()] { started.set_value(), held.wait(); });
  started.get_future().wait();
  worker.postPortWork([&] { line.port.setPortNumber(2); });
  int queuedJobsRun = 0;
  worker.post([&] { ++queuedJobsRun; });
  worker.stop();
  EXPECT_EQ(line.port.portNumber(), 1);
  release.set_value();
  worker.postPortWork([&idle] { idle.set_value(); });
  idle.get_future().wait();
  EXPECT_EQ(line.port.portNumber(), 2);
  EXPECT_EQ(queuedJobsRun, 0);
}

} // namespace
} // namespace orvane::testing
