#pragma once

#include "link/link.h"

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

// Runs link work's hand-over on the user-interface thread unless a stop came
// first, there or on the link: a job stopped while it waits for the window
// changes nothing more. True when `work` ran.
inline bool runUnlessStopped(UiThread& ui, const Link& link, const std::function<void()>& work) {
  bool ran = false;
  ui.run([&] {
    if (link.stopping())
      return;
    work();
    ran = true;
  });
  return ran;
}

} // namespace orvane
