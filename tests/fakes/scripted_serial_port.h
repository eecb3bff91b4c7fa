#pragma once

#include "fakes/fake_clock.h"
#include "platform/serial_port.h"

#include <atomic>
#include <deque>
#include <functional>
#include <optional>
#include <string>

namespace orvane::testing {

using Bytes = std::vector<std::uint8_t>;

// A serial port that plays a drive's replies on a fake clock and records what
// was sent. Replies come from a queue (one entry per send) or from a
// responder function; either may delay them. Waiting advances the fake clock
// to the next arrival, or by the whole time-out when nothing is due.
class ScriptedSerialPort final : public SerialPort {
public:
  struct Reply {
    Bytes bytes;
    Clock::Duration delay{};
  };
  using Responder = std::function<std::vector<Reply>(const Bytes& sent)>;

  explicit ScriptedSerialPort(FakeClock& clock) : clock_(clock) {}

  // The next send is answered with these bytes (after the delay).
  void queueReply(Bytes bytes, Clock::Duration delay = {}) { queued_.push_back({std::move(bytes), delay}); }
  // A send with nothing queued is answered by the responder, if any.
  void setResponder(Responder responder) { responder_ = std::move(responder); }
  const Responder& responder() const { return responder_; }
  // Bytes already waiting in the receive buffer.
  void preload(const Bytes& bytes) { received_.insert(received_.end(), bytes.begin(), bytes.end()); }
  // Makes open() fail as a missing device would.
  void failOpenWith(std::string reason) { openFailure_ = std::move(reason); }
  // The device is back: open() works again.
  void allowOpen() { openFailure_.reset(); }

  void setPortNumber(int number) override { portNumber_ = number; }
  int portNumber() const override { return portNumber_; }
  void open() override;
  void close() override;
  bool isOpen() const override { return open_; }
  void send(std::span<const std::uint8_t> bytes) override;
  std::size_t bytesReceived() override;
  std::vector<std::uint8_t> readAll() override;
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted = 1) override;
  void setWakeup(Wakeup* wakeup) override { wakeup_ = wakeup; }

  // A wait that no reply ends blocks the waiting thread until the link's
  // wakeup is raised, as a silent drive on a real port does; counted. The
  // short wait for a reply's due time after a stop passes on the fake clock.
  static constexpr std::chrono::milliseconds kHeldWaitsFrom{200};
  bool holdSilentWaits = false;
  std::atomic<int> heldWaits = 0;

  // Runs after every send and before every read of the receive buffer: the
  // points between and inside exchanges where a test may stop the session.
  std::function<void()> onActivity;

  // Every send, in order.
  std::vector<Bytes> sends;
  int opens = 0;
  int closes = 0;

private:
  struct Pending {
    Bytes bytes;
    Clock::Duration due;
  };
  void deliverDue();

  FakeClock& clock_;
  int portNumber_ = 1;
  bool open_ = false;
  std::deque<Reply> queued_;
  Responder responder_;
  std::deque<Pending> pending_;
  Bytes received_;
  std::optional<std::string> openFailure_;
  Wakeup* wakeup_ = nullptr;
};

} // namespace orvane::testing
