#pragma once

#include "limits/limit_watch.h"
#include "session_log/session_log_format.h"

#include <optional>
#include <vector>

namespace orvane {

// A time a limit was raised, as LimitWatch decides it (after its duration, until it is back
// inside by its hysteresis). `to` is empty while it is still raised at the last sample.
struct LimitSpan {
  std::size_t limit = 0;  // index into the limits
  std::size_t sample = 0; // the raising sample's index, which tells the span's run
  double from = 0;
  std::optional<double> to;
};

// The times each limit was raised over a sequence of samples, found as the samples come.
// Used on the thread that feeds it.
class LimitSpans {
public:
  void setLimits(std::vector<Limit> limits);
  const std::vector<Limit>& limits() const { return watch_.limits(); }
  // Forgets the spans found; the limits stay.
  void clear();
  // The next sample begins a run of its own clock (a new session of one file): a limit still
  // raised ends with the run.
  void restart();
  // Sample `index`, in time order within a run.
  void add(std::size_t index, const Sample& sample);

  // In order of raising; at most one open span a limit.
  const std::vector<LimitSpan>& spans() const { return spans_; }

private:
  LimitWatch watch_{{}};
  std::vector<LimitSpan> spans_;
  std::vector<std::optional<std::size_t>> open_; // a limit's open span
  double lastTime_ = 0;
};

} // namespace orvane
