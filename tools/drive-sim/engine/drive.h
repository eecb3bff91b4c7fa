#pragma once

#include "engine/memory_image.h"
#include "engine/panel.h"
#include "engine/scenario.h"
#include "engine/trip_history.h"

#include <optional>
#include <string>

namespace orvane::sim {

// What the drive measures and reports at one moment.
struct LiveValues {
  double frequency = 0; // below zero in reverse
  double current = 0;   // A
  double percent = 0;   // of rated current
  double dcLink = 0;    // V
  int runState = kStopped;
  std::uint32_t inputs = 0;
  std::uint32_t outputs = 0;
  double maxFrequency = 0;
};

// The simulated drive: its scenario played over time, its trip state and
// history, its panel, and the memory and display the host reads.
class Drive {
public:
  explicit Drive(Scenario scenario);

  const ModelLayout& layout() const { return *layout_; }

  // Moves scenario time forward (a time before the current one is ignored)
  // and trips the drive when a scheduled trip falls due on the way.
  void advanceTo(double seconds);

  LiveValues values() const;
  bool tripped() const { return trip_.has_value(); }
  const TripHistory& history() const { return history_; }

  MemoryImage memory() const;
  // Both display lines: 32 characters.
  std::string displayText() const;
  // The 36 bytes of the panel block: the display text, then run state,
  // trip flag, trip code and a spare byte.
  Bytes panelBlock() const;

  // A write of a 2-byte value with one of the write commands. Returns what
  // it did, for the transcript.
  std::string write(std::uint8_t command, std::uint16_t address, std::uint16_t value);

private:
  struct ActiveTrip {
    int code;
    std::string text;
  };

  LiveValues healthyValues(double seconds) const;
  double ratedCurrent() const;
  int modelCode() const;
  int sizeCode() const;
  void trip(const ScheduledTrip& scheduled, double at);
  std::string reset();

  Scenario scenario_;
  const ModelLayout* layout_;
  TripHistory history_;
  PanelMenu menu_;
  std::optional<ActiveTrip> trip_;
  double now_ = 0;
  bool started_ = false;
};

} // namespace orvane::sim
