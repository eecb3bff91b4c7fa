#include "acquisition/link_worker.h"

#include <utility>

namespace orvane {

LinkWorker::LinkWorker(Link& link) : link_(link), thread_([this] { run(); }) {}

LinkWorker::~LinkWorker() { shutDown(); }

void LinkWorker::post(Job job) {
  {
    const std::lock_guard lock(mutex_);
    if (ending_)
      return;
    jobs_.push_back({std::move(job)});
  }
  changed_.notify_all();
}

void LinkWorker::postPortWork(Job job) {
  {
    const std::lock_guard lock(mutex_);
    if (ending_)
      return;
    jobs_.push_back({std::move(job), true});
  }
  changed_.notify_all();
}

bool LinkWorker::busy() const {
  const std::lock_guard lock(mutex_);
  return running_ || !jobs_.empty();
}

void LinkWorker::setParked(bool parked) {
  bool closing = false;
  {
    const std::lock_guard lock(mutex_);
    parked_ = parked;
    closing = !parked && std::exchange(closeWhenBack_, false);
  }
  if (closing)
    link_.port().close();
}

void LinkWorker::stop() {
  {
    const std::lock_guard lock(mutex_);
    std::erase_if(jobs_, [](const Queued& queued) { return !queued.keptByStop; });
    if (running_) {
      link_.requestStop(); // the worker closes the port once the job has let go of it
      return;
    }
    jobs_.push_back({[this] { link_.port().close(); }});
  }
  changed_.notify_all();
}

void LinkWorker::closePort() {
  {
    const std::lock_guard lock(mutex_);
    if (running_ && parked_ && !link_.stopping()) {
      closeWhenBack_ = true;
      return;
    }
    if (running_) {
      link_.requestStop();
      return;
    }
    jobs_.push_back({[this] { link_.port().close(); }});
  }
  changed_.notify_all();
}

void LinkWorker::shutDown() {
  std::deque<Queued> dropped; // let go of outside the lock: a job's end may hand work over
  {
    const std::lock_guard lock(mutex_);
    if (ending_ && !thread_.joinable())
      return;
    ending_ = true;
    dropped.swap(jobs_);
    link_.requestStop(); // the tick in progress ends whole
  }
  changed_.notify_all();
  if (thread_.joinable())
    thread_.join();
}

void LinkWorker::run() {
  link_.port().takeOver();
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return ending_ || !jobs_.empty(); });
    if (ending_) {
      lock.unlock();
      link_.port().close();
      return;
    }
    Job job = std::move(jobs_.front().job);
    jobs_.pop_front();
    running_ = true;
    lock.unlock();
    try {
      job();
    } catch (const PortOpenError&) {
      // The job reports it itself; nothing may end the thread.
    }
    job = nullptr; // outside the lock: a job's end may hand work over
    lock.lock();
    running_ = false;
    parked_ = false;
    if (link_.stopping() && !ending_) {
      link_.port().close();
      link_.resume();
    }
  }
}

} // namespace orvane
