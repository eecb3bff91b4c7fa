#pragma once

#include "link/link.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <thread>

namespace orvane {

// The one thread that talks to the drive: it owns the serial port (takes it
// over when it starts and closes it when it ends) and runs
// every piece of link work (identification, ticks, the trip history read,
// the reset and its wait) one after another in the order they were posted.
class LinkWorker {
public:
  using Job = std::function<void()>;

  explicit LinkWorker(Link& link);
  ~LinkWorker();
  LinkWorker(const LinkWorker&) = delete;
  LinkWorker& operator=(const LinkWorker&) = delete;

  void post(Job job);
  // Work on the port alone that the user asked for outside a session (Options closing the port or
  // choosing another): queued in order like any job, and kept by a stop.
  void postPortWork(Job job);
  // True while a job is queued or running.
  bool busy() const;

  // The running job is waiting for the user-interface thread (called on this
  // thread); a close asked for meanwhile is done here when it comes back.
  void setParked(bool parked);

  // "Stop Monitor" asked for by the user: drops the queued jobs; the running
  // one ends after its exchange in progress (a tick after its last), a wait
  // past its reply's due time or a pause at once. The port is closed on this
  // thread once the job has ended. Jobs posted afterwards run as usual.
  void stop();
  // The session stopped: the port is closed on this thread after the running
  // job or, when the job itself stopped it from a hand-over (it waits, parked,
  // and may go on to start again, as Reset does), as soon as it comes back.
  void closePort();
  // Stops and ends the thread.
  void shutDown();

private:
  void run();

  Link& link_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  struct Queued {
    Job job;
    bool keptByStop = false;
  };
  std::deque<Queued> jobs_;
  bool running_ = false;
  bool parked_ = false;
  bool closeWhenBack_ = false;
  bool ending_ = false;
  std::thread thread_;
};

} // namespace orvane
