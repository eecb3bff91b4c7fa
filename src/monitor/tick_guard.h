#pragma once

#include <cstdint>
#include <functional>

namespace orvane {

// Decides whether a tick of the sampling timer runs. Sampling goes on while
// the user has a window or a question open (Reading, Clear Screen, the save
// dialog, the title window, the trip history window). A tick is held back
// only while another tick runs, so none overlaps another, and while a command
// is in its own link work (the start, the trip history read, the reset and
// its wait), so two transactions never interleave on the port. Every
// communications failure message is shown inside one of those and so holds
// ticks too. A held tick is skipped, and counted; the next one comes on time.
// Used on the window's thread.
class TickGuard {
public:
  class Hold {
  public:
    explicit Hold(TickGuard& guard) : guard_(&guard) { ++guard_->holds_; }
    ~Hold() { --guard_->holds_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

  private:
    TickGuard* guard_;
  };

  // Holds ticks back until the returned scope ends.
  [[nodiscard]] Hold hold() { return Hold(*this); }
  bool held() const { return holds_ > 0; }

  // Runs the tick, holding further ticks while it runs, unless ticks are
  // held; true if it ran.
  bool runTick(const std::function<void()>& tick);
  // Ticks held back so far: ticks that could not run on time.
  std::uint64_t skipped() const { return skipped_; }

private:
  int holds_ = 0;
  std::uint64_t skipped_ = 0;
};

} // namespace orvane
