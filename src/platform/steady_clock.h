#pragma once

#include "platform/clock.h"

namespace orvane {

class SteadyClock final : public Clock {
public:
  Duration now() const override;
  void sleepFor(Duration duration) override;
  bool sleepFor(Duration duration, Wakeup& wakeup) override { return wakeup.sleepFor(duration); }
};

} // namespace orvane
