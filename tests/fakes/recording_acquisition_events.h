#pragma once

#include "acquisition/acquisition_events.h"

#include <string>
#include <vector>

namespace orvane::testing {

// Records what the drive's conversation would show or sound, in order:
// "beep", "message", "retry 1 of 4", "retries over".
class RecordingAcquisitionEvents final : public AcquisitionEvents {
public:
  void beep() override { seen.push_back("beep"); }
  void communicationsError() override { seen.push_back("message"); }
  void retrying(int retry, int retries) override {
    seen.push_back("retry " + std::to_string(retry) + " of " + std::to_string(retries));
  }
  void retriesOver() override { seen.push_back("retries over"); }

  std::vector<std::string> seen;
};

} // namespace orvane::testing
