#pragma once

#include "monitor/link_worker.h"
#include "monitor/ui_thread.h"

#include <QObject>
#include <condition_variable>
#include <mutex>

namespace orvane {

// The Qt event loop's thread as the user-interface thread: work handed over
// from the link worker runs there as an event; the worker waits for it,
// parked, so that the port may be let go of meanwhile. Once the program is
// ending, nothing more runs and a waiting worker goes on at once.
class QtUiThread final : public UiThread {
public:
  QtUiThread(QObject& context, LinkWorker& worker) : context_(context), worker_(worker) {}
  ~QtUiThread() override { end(); }
  QtUiThread(const QtUiThread&) = delete;
  QtUiThread& operator=(const QtUiThread&) = delete;

  bool run(const std::function<void()>& work) override;
  void post(std::function<void()> work) override;
  // Nothing more runs; a worker waiting for a piece of work goes on.
  void end();

private:
  bool onThisThread() const;

  QObject& context_;
  LinkWorker& worker_;
  std::mutex mutex_;
  std::condition_variable done_;
  bool ending_ = false;
};

} // namespace orvane
