#pragma once

namespace orvane {

// What the drive's conversation shows or sounds while it runs, before the
// caller has its result: the window beeps and shows its boxes, a logger
// prints a line. Called on the thread that talks to the drive; each returns
// when the user has seen it.
class AcquisitionEvents {
public:
  virtual ~AcquisitionEvents() = default;

  // The system beep of a panel, display, reset or start exchange that had no
  // answer, and of each retry of the display read.
  virtual void beep() = 0;
  // The communications message after a failed panel block read of the
  // six-trip models (each attempt of the trip check shows it).
  virtual void communicationsError() = 0;
  // The display read had no answer: retry `retry` of `retries` follows after
  // a pause.
  virtual void retrying(int retry, int retries) = 0;
  // The retries are over, read or not.
  virtual void retriesOver() = 0;
};

} // namespace orvane
