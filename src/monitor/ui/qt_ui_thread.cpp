#include "monitor/ui/qt_ui_thread.h"

#include <QCoreApplication>
#include <QEvent>
#include <QThread>
#include <memory>

namespace orvane {
namespace {

// The event that tells the event loop to run the queued work. It carries
// nothing: what it stands for waits in the queue, behind the queue's mutex.
const QEvent::Type kRunQueued = static_cast<QEvent::Type>(QEvent::registerEventType());

} // namespace

QtUiThread::QtUiThread(LinkWorker& worker) : worker_(worker) {}

QtUiThread::~QtUiThread() { end(); }

bool QtUiThread::onThisThread() const { return QThread::currentThread() == thread(); }

bool QtUiThread::enqueue(std::function<void()> work) {
  {
    const std::lock_guard lock(mutex_);
    if (ending_)
      return false;
    queued_.push_back(std::move(work));
  }
  QCoreApplication::postEvent(this, new QEvent(kRunQueued));
  return true;
}

// Only the queue's events come here: they are the only events of a user type
// that this object receives.
void QtUiThread::customEvent(QEvent* /*event*/) { runQueued(); }

void QtUiThread::runQueued() {
  std::function<void()> work;
  {
    const std::lock_guard lock(mutex_);
    if (queued_.empty())
      return;
    work = std::move(queued_.front());
    queued_.pop_front();
  }
  work();
}

bool QtUiThread::run(const std::function<void()>& work) {
  if (onThisThread()) {
    work();
    return true;
  }
  // Whether the work has run, or will never run.
  struct Handover {
    bool started = false;
    bool finished = false;
  };
  const auto handover = std::make_shared<Handover>();
  worker_.setParked(true);
  const bool queued = enqueue([this, handover, &work] {
    {
      const std::lock_guard lock(mutex_);
      if (ending_)
        return;
      handover->started = true;
    }
    work();
    {
      const std::lock_guard lock(mutex_);
      handover->finished = true;
    }
    done_.notify_all();
  });
  bool finished = false;
  if (queued) {
    std::unique_lock lock(mutex_);
    // Once started, the work runs to its end even while the program ends: it
    // refers to the waiting caller's values.
    done_.wait(lock, [&] { return handover->finished || (ending_ && !handover->started); });
    finished = handover->finished;
  }
  worker_.setParked(false);
  return finished;
}

void QtUiThread::post(std::function<void()> work) { enqueue(std::move(work)); }

void QtUiThread::end() {
  std::deque<std::function<void()>> dropped;
  {
    const std::lock_guard lock(mutex_);
    ending_ = true;
    dropped.swap(queued_);
  }
  done_.notify_all();
}

} // namespace orvane
