#include "monitor/ui/qt_ui_thread.h"

#include <QThread>
#include <memory>

namespace orvane {

bool QtUiThread::onThisThread() const { return QThread::currentThread() == context_.thread(); }

bool QtUiThread::run(const std::function<void()>& work) {
  if (onThisThread()) {
    work();
    return true;
  }
  // Whether the work has run, or will never run. Shared with the event, which
  // may outlive this call when the program ends first.
  struct Handover {
    bool started = false;
    bool finished = false;
    bool dropped = false;
  };
  const auto handover = std::make_shared<Handover>();
  std::unique_lock lock(mutex_);
  if (ending_)
    return false;
  worker_.setParked(true);
  QMetaObject::invokeMethod(
      &context_,
      [this, handover, &work] {
        {
          const std::lock_guard running(mutex_);
          if (handover->dropped)
            return;
          handover->started = true;
        }
        work();
        {
          const std::lock_guard running(mutex_);
          handover->finished = true;
        }
        done_.notify_all();
      },
      Qt::QueuedConnection);
  // Once started, the work runs to its end even while the program ends: it
  // refers to the waiting caller's values.
  done_.wait(lock, [&] { return handover->finished || (ending_ && !handover->started); });
  handover->dropped = !handover->finished;
  worker_.setParked(false);
  return handover->finished;
}

void QtUiThread::post(std::function<void()> work) {
  {
    const std::lock_guard lock(mutex_);
    if (ending_)
      return;
  }
  QMetaObject::invokeMethod(&context_, std::move(work), Qt::QueuedConnection);
}

void QtUiThread::end() {
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
  }
  done_.notify_all();
}

} // namespace orvane
