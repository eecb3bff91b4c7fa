#pragma once

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <thread>

namespace orvane {

// Which thread may use an object: the first one that does, or the one that takes it over. A call
// from any other thread aborts at once, naming the call, so that a test fails where a race would
// otherwise go unseen. Checked in builds without NDEBUG and in any build with ORVANE_THREAD_CHECKS
// (the test command sets it); elsewhere it costs nothing.
class ThreadOwner {
public:
#if !defined(NDEBUG) || defined(ORVANE_THREAD_CHECKS)
  static constexpr bool kChecked = true;
#else
  static constexpr bool kChecked = false;
#endif

  // The calling thread owns the object from now on.
  void takeOver() noexcept {
    if constexpr (kChecked)
      owner_.store(std::this_thread::get_id());
  }

  void check(const char* call) const noexcept {
    if constexpr (kChecked) {
      std::thread::id owner{};
      const std::thread::id self = std::this_thread::get_id();
      if (owner_.compare_exchange_strong(owner, self) || owner == self)
        return;
      std::fprintf(stderr, "%s called from a thread that does not own it\n", call);
      std::abort();
    }
  }

private:
  mutable std::atomic<std::thread::id> owner_{};
};

} // namespace orvane
