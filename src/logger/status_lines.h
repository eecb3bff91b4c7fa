#pragma once

#include "acquisition/acquisition_events.h"
#include "logger/wall_clock.h"

#include <cstdio>
#include <string>

namespace orvane {

// The logger's status for a service manager: one line on standard output for each start,
// identification, session file, trip, failure, reconnection and end, each with the local clock
// time, written out at once (the journal reads a pipe). Quiet writes none; verbose adds one a sample.
class StatusLines {
public:
  enum class Detail { Quiet, Normal, Verbose };

  StatusLines(std::FILE* out, Detail detail, const WallClock& wall) : out_(out), detail_(detail), wall_(wall) {}

  // "2026-12-06 23:45:10 <kind>: <text>".
  void report(const std::string& kind, const std::string& text) const;
  // Only when verbose.
  void sample(const std::string& text) const;
  void detail(const std::string& kind, const std::string& text) const;

private:
  std::FILE* out_;
  Detail detail_;
  const WallClock& wall_;
};

// What the drive's conversation shows or sounds on the way, told in status lines: nobody is at the
// screen to hear a beep or close a message box. The display read's retries are worth a line when
// verbose; the failure that follows them is reported anyway.
class StatusEvents final : public AcquisitionEvents {
public:
  explicit StatusEvents(const StatusLines& status) : status_(status) {}
  void beep() override {}
  void communicationsError() override {}
  void retrying(int retry, int retries) override;
  void retriesOver() override {}

private:
  const StatusLines& status_;
};

} // namespace orvane
