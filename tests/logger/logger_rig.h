#pragma once

#include "fakes/fake_clock.h"
#include "logger/stop_wait.h"
#include "logger/wall_clock.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace orvane::testing {

inline std::string readFile(const std::string& path) {
  std::ostringstream text;
  text << std::ifstream(path, std::ios::binary).rdbuf();
  return text.str();
}

// The lines of a file without their CR LF.
inline std::vector<std::string> linesOf(const std::string& path) {
  std::istringstream text(readFile(path));
  std::vector<std::string> lines;
  for (std::string line; std::getline(text, line);)
    lines.push_back(line.substr(0, line.size() - (line.ends_with('\r') ? 1 : 0)));
  return lines;
}

// The names of the files in `folder`, sorted.
inline std::vector<std::string> fileNames(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

class TemporaryFolder {
public:
  TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orvane-logger-XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TemporaryFolder() { std::filesystem::remove_all(path_); }
  const std::string& path() const { return path_; }

private:
  std::string path_;
};

// The local time zone, set for as long as this lives (the tests run without TZ).
struct FixedZone {
  explicit FixedZone(const char* zone) {
    setenv("TZ", zone, 1);
    tzset();
  }
  ~FixedZone() {
    unsetenv("TZ");
    tzset();
  }
};

// The time of day, moving with the fake clock from `start`.
class FollowingWallClock final : public WallClock {
public:
  FollowingWallClock(const FakeClock& clock, std::time_t start)
      : clock_(clock), origin_(clock.now()), start_(std::chrono::system_clock::from_time_t(start)) {}
  TimePoint now() const override {
    return start_ + std::chrono::duration_cast<std::chrono::system_clock::duration>(clock_.now() - origin_);
  }

private:
  const FakeClock& clock_;
  Clock::Duration origin_;
  TimePoint start_;
};

// Waits on the fake clock, and at given times (from its making) does what a test scripts there:
// the drive falls silent, the device vanishes, a person clears a trip. A stop is asked at `stopAt`.
class ScriptedStop final : public StopWait {
public:
  ScriptedStop(FakeClock& clock, Clock::Duration stopAt) : clock_(clock), origin_(clock.now()), stopAt_(stopAt) {}

  void at(Clock::Duration when, std::function<void()> action) { actions_.emplace(when, std::move(action)); }
  bool stopRequested() const override { return clock_.now() - origin_ >= stopAt_; }
  bool waitFor(Clock::Duration duration) override {
    clock_.advance(std::min(duration, std::max(Clock::Duration::zero(), origin_ + stopAt_ - clock_.now())));
    while (!actions_.empty() && actions_.begin()->first <= clock_.now() - origin_) {
      actions_.begin()->second();
      actions_.erase(actions_.begin());
    }
    return stopRequested();
  }

private:
  FakeClock& clock_;
  Clock::Duration origin_;
  Clock::Duration stopAt_;
  std::multimap<Clock::Duration, std::function<void()>> actions_;
};

} // namespace orvane::testing
