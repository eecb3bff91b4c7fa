#pragma once

#include <functional>

namespace orvane {

// The thread that owns the windows and the shared state. Link work runs
// elsewhere and hands it the pieces that show or change something.
class UiThread {
public:
  virtual ~UiThread() = default;
  // Runs `work` there and returns once it has run: true, or false when the
  // program is ending and it did not run (the caller then ends its work).
  virtual bool run(const std::function<void()>& work) = 0;
  // Runs `work` there later, without waiting for it.
  virtual void post(std::function<void()> work) = 0;
};

// Everything on the calling thread at once: the logic without a worker.
class SameThread final : public UiThread {
public:
  bool run(const std::function<void()>& work) override {
    work();
    return true;
  }
  void post(std::function<void()> work) override { work(); }
};

} // namespace orvane
