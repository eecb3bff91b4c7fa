#include "logger/repeated_status.h"

namespace orvane {

void RepeatedStatus::report(const std::string& condition, const std::string& kind, const std::string& text) {
  const Clock::Duration now = clock_.now();
  const auto [at, first] = conditions_.try_emplace(condition, Repeats{now, 0});
  Repeats& repeats = at->second;
  if (first) {
    status_.report(kind, text);
    return;
  }
  if (now - repeats.lastLine < kQuietTime) {
    ++repeats.unsaid;
    return;
  }
  const int times = repeats.unsaid + 1;
  status_.report(
      kind, text + " (" + std::to_string(times) + (times == 1 ? " time" : " times") + " in the last " +
                std::to_string(std::chrono::duration_cast<std::chrono::seconds>(now - repeats.lastLine).count()) +
                " s)");
  repeats = {now, 0};
}

} // namespace orvane
