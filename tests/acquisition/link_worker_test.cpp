#include "acquisition/link_worker.h"
#include "fakes/fake_line.h"

#include <future>
#include <gtest/gtest.h>
#include <thread>

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

// A close asked from a hand-over (a failed read) is done on the link's thread once the job is back.
TEST(LinkWorker, aCloseAskedWhileTheJobWaitsForTheWindowIsDoneOnTheLinkWhenItIsBack) {
  FakeLine line;
  LinkWorker worker(line.link);
  std::promise<void> parked, handedBack;
  bool openWhenBack = true;
  worker.post([&, back = handedBack.get_future().share()] {
    line.port.open();
    worker.setParked(true);
    parked.set_value(), back.wait();
    worker.setParked(false);
    openWhenBack = line.port.isOpen();
  });
  parked.get_future().wait();
  worker.closePort(); // from this thread, as the window's hand-over does
  handedBack.set_value();
  worker.shutDown();
  EXPECT_FALSE(openWhenBack);
}

TEST(LinkWorkerDeathTest, aPortUsedFromASecondThreadAborts) {
  FakeLine line;
  line.port.open();
  EXPECT_DEATH(std::thread([&line] { line.port.close(); }).join(),
               "close called from a thread that does not own it");
}

} // namespace
} // namespace orvane::testing
