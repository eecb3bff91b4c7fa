#pragma once

#include "acquisition/link_worker.h"
#include "monitor/ui_thread.h"

#include <QObject>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>

namespace orvane {

// The Qt event loop's thread as the user-interface thread: work handed over
// from the link worker waits in a queue of its own, and a bare event tells
// the event loop to run it; the worker waits for it, parked, so that the port
// may be let go of meanwhile. Once the program is ending, nothing more runs
// and a waiting worker goes on at once.
class QtUiThread final : public QObject, public UiThread {
public:
  // Made on the thread whose event loop runs the work.
  explicit QtUiThread(LinkWorker& worker);
  ~QtUiThread() override;
  QtUiThread(const QtUiThread&) = delete;
  QtUiThread& operator=(const QtUiThread&) = delete;

  bool run(const std::function<void()>& work) override;
  void post(std::function<void()> work) override;
  // Nothing more runs; a worker waiting for a piece of work goes on.
  void end();

protected:
  void customEvent(QEvent* event) override;

private:
  bool onThisThread() const;
  // Queues the work and wakes the event loop; false when the program is ending.
  bool enqueue(std::function<void()> work);
  void runQueued();

  LinkWorker& worker_;
  std::mutex mutex_;
  std::condition_variable done_;
  std::deque<std::function<void()>> queued_;
  bool ending_ = false;
};

} // namespace orvane
