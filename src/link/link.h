#pragma once

#include "link/frames.h"
#include "link/link_health.h"
#include "link/link_result.h"
#include "platform/platform.h"

#include <atomic>
#include <cstdint>
#include <optional>

namespace orvane {

inline constexpr const char* kCommunicationsErrorTitle = "Communications Error";
inline constexpr const char* kCommunicationsErrorText =
    "An error has occured while communicating.\n"
    "Please check the Inverter is powered up and all cables are correct.";

// Exactly what a failed memory read returns.
inline constexpr double kFailedRead = 9999;

// Whether a value that came from a memory read means the read failed. Callers
// ask it of the value as they keep it (a float, a whole number), so a value
// that only becomes 9999 when narrowed counts as a failure too.
constexpr bool readFailed(double value) { return value == kFailedRead; }

// Every wait on the drive's reply ends after 2 seconds.
inline constexpr Clock::Duration kReplyTimeout = std::chrono::seconds(2);

// How the 2-second limit applies to the three waits of one exchange.
enum class WaitBudget {
  EachWait,     // every wait has its own 2 seconds
  WholeExchange // the three waits share 2 seconds from the start
};

// The serial link to the drive: frames, waits and the memory read. Every wait
// blocks the caller but sleeps on the device. One thread talks on the link at
// a time; any thread may ask it to stop, or abandon what it is doing.
class Link {
public:
  explicit Link(Platform& platform);
  ~Link();
  Link(const Link&) = delete;
  Link& operator=(const Link&) = delete;

  Platform& platform() { return platform_; }
  SerialPort& port() { return platform_.port; }

  // Opens the port when it is closed; throws PortOpenError.
  void openIfClosed();
  // Empties the receive buffer and whatever waits behind it.
  void discardInput();
  void send(const Bytes& bytes);

  // True once at least `count` bytes are waiting; false when more than
  // 2 seconds have passed since `since` (a time on the platform clock).
  bool waitForBytes(std::size_t count, Clock::Duration since);
  bool waitForBytes(std::size_t count);

  // Command frame, wait for 1 byte, data frame, wait for 5 bytes, acknowledge,
  // wait for `finalCount` bytes. Returns those final bytes, or nothing on a
  // time-out. Empties the receive buffer first and discards the replies to
  // the two frames.
  std::optional<Bytes> exchange(const Bytes& commandBytes, const Bytes& dataBytes, std::size_t finalCount,
                                WaitBudget budget = WaitBudget::EachWait);

  // Reads `length` bytes at `address` divided by `divisor`: the value, or
  // why there is none. Shows nothing and stops nothing.
  LinkResult<double> read(std::uint16_t address, std::int16_t length, std::int16_t divisor);

  // The 2-second pause between retries; false when abandoned.
  bool pause(Clock::Duration duration);
  // The pause before a read is tried again, counted as a retry.
  bool pauseBeforeRetry(Clock::Duration duration);

  // The counts so far, as a copy; the link's thread counts, any thread may ask.
  LinkHealth health() const { return {exchanges_, timeouts_, retries_, 0}; }

  // Ends the wait or pause in progress at once, from any thread: from now on
  // every wait fails at once, every pause ends and nothing more is sent,
  // until resume().
  void abandon();
  // "Stop Monitor", from any thread: the exchange in progress goes on while
  // the drive answers in time, so the wire carries only whole exchanges; no
  // exchange starts after it (but those of a whole tick, see WholeTick). A
  // wait past its reply's due time, and every pause, is abandoned at once.
  void requestStop();
  void resume();
  // A wait or pause was given up, or an exchange refused: what the caller
  // was doing is incomplete.
  bool abandoned() const { return abandoned_; }
  // A stop was asked for or the link abandoned: the caller's work ends.
  bool stopping() const { return stopping_ || abandoned_; }

  // While one lives, a stop lets every exchange of the tick in progress run,
  // so the tick ends whole with its log line. Made on the link's thread.
  class WholeTick {
  public:
    // cppcheck-suppress uninitMemberVar ; the reference is bound above, in the initialiser list
    explicit WholeTick(Link& link) : link_(link) { link_.wholeTick_ = true; }
    ~WholeTick() { link_.wholeTick_ = false; }
    WholeTick(const WholeTick&) = delete;
    WholeTick& operator=(const WholeTick&) = delete;

  private:
    Link& link_;
  };

  // The communications message (exclamation icon, OK).
  void showCommunicationsError();
  // Tells the user that the port could not be opened, naming the device, why
  // and what to do about it.
  void showOpenFailure(const PortOpenError& error);

private:
  Platform& platform_;
  // Gives up the work in progress: nothing more is sent.
  bool giveUp();

  std::atomic<bool> abandoned_ = false;
  std::atomic<bool> stopping_ = false;
  bool wholeTick_ = false;
  Wakeup wakeup_;
  // Atomic each, so that the window reads them without waiting on the link's thread; late ticks
  // belong to whoever ticks.
  std::atomic<std::uint64_t> exchanges_ = 0;
  std::atomic<std::uint64_t> timeouts_ = 0;
  std::atomic<std::uint64_t> retries_ = 0;
};

} // namespace orvane
