#include "fakes/fake_line.h"
#include "monitor/link_worker.h"

#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>

namespace orvane::testing {
namespace {

// A job on the link's thread that holds it until the test lets it go.
struct HeldJob {
  void run() {
    std::unique_lock lock(mutex);
    started = true;
    changed.notify_all();
    changed.wait(lock, [this] { return released; });
  }
  void awaitStart() {
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return started; });
  }
  void release() {
    const std::lock_guard lock(mutex);
    released = true;
    changed.notify_all();
  }
  void awaitIdle(LinkWorker& worker) {
    worker.postPortWork([this] {
      const std::lock_guard lock(mutex);
      idle = true;
      changed.notify_all();
    });
    std::unique_lock lock(mutex);
    changed.wait(lock, [this] { return idle; });
  }
  std::mutex mutex;
  std::condition_variable changed;
  bool started = false;
  bool released = false;
  bool idle = false;
};

// Options OK and Apply during a start or the trip history read: the port is
// closed and its number changed on the link's thread after the work in
// progress, and a stop drops the queued link work but not the user's port work.
TEST(LinkWorker, portWorkWaitsForTheJobInProgressAndOutlivesAStop) {
  FakeLine line;
  line.port.open();
  LinkWorker worker(line.link);
  int queuedJobsRun = 0;

  HeldJob read;
  worker.post([&] { read.run(); });
  read.awaitStart();
  worker.postPortWork([&] { line.port.close(); });
  EXPECT_TRUE(line.port.isOpen());
  read.release();
  read.awaitIdle(worker);
  EXPECT_FALSE(line.port.isOpen());

  HeldJob start;
  worker.post([&] { start.run(); });
  start.awaitStart();
  worker.postPortWork([&] { line.port.setPortNumber(2); });
  worker.post([&] { ++queuedJobsRun; });
  worker.stop();
  EXPECT_EQ(line.port.portNumber(), 1);
  start.release();
  start.awaitIdle(worker);
  EXPECT_EQ(line.port.portNumber(), 2);
  EXPECT_EQ(queuedJobsRun, 0);
}

} // namespace
} // namespace orvane::testing
