#pragma once

#include "monitor/tick_guard.h"

namespace orvane {

// A command's work on the link (identification and the start, the trip
// history read, the reset and its wait), from the moment it is asked until the
// link worker has done it: the sampling timer's ticks are held back, and the
// busy cursor shows that the drive is being talked to. Message boxes lift the
// cursor while they are open.
class LinkWork {
public:
  explicit LinkWork(TickGuard& guard);
  ~LinkWork();
  LinkWork(const LinkWork&) = delete;
  LinkWork& operator=(const LinkWork&) = delete;

private:
  TickGuard::Hold hold_;
};

} // namespace orvane
