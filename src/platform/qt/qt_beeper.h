#pragma once

#include "platform/beeper.h"

namespace orvane {

class QtBeeper final : public Beeper {
public:
  void beep() override;
};

} // namespace orvane
