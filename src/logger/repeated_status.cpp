#include "logger/repeated_status.h"

#include <algorithm>

namespace orvane {

void RepeatedStatus::report(const std::string& condition, const std::string& kind, const std::string& text) {
  const Clock::Duration now = clock_.now();
  const auto [at, first] = conditions_.try_emplace(condition, Repeats{now, now});
  Repeats& repeats = at->second;
  if (first || now - repeats.lastHeard > repeats.quiet) {
    repeats = {now, now};
    status_.report(kind, text);
    return;
  }
  repeats.lastHeard = now;
  if (now - repeats.lastLine < repeats.quiet) {
    ++repeats.unsaid;
    return;
  }
  const int times = repeats.unsaid + 1;
  status_.report(
      kind, text + " (" + std::to_string(times) + (times == 1 ? " time" : " times") + " in the last " +
                std::to_string(std::chrono::duration_cast<std::chrono::seconds>(now - repeats.lastLine).count()) +
                " s)");
  repeats = {now, now, std::min(repeats.quiet * 2, kLongestQuietTime), 0};
}

} // namespace orvane
