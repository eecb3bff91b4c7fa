#include "app/sim_loop.h"

#include "app/line_watch.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <poll.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/signalfd.h>
#include <unistd.h>

namespace orvane::sim {
namespace {

using Clock = std::chrono::steady_clock;

// A drive forgets a request the host has left unfinished this long.
constexpr std::chrono::seconds kQuietLine{1};

sigset_t stopSignals() {
  sigset_t stopSet;
  sigemptyset(&stopSet);
  sigaddset(&stopSet, SIGINT);
  sigaddset(&stopSet, SIGTERM);
  return stopSet;
}

timespec toTimespec(std::chrono::nanoseconds wait) {
  const auto seconds = std::chrono::duration_cast<std::chrono::seconds>(wait);
  return {static_cast<time_t>(seconds.count()), static_cast<long>((wait - seconds).count())};
}

int fail(const char* what) {
  std::fprintf(stderr, "drive-sim: %s: %s\n", what, std::strerror(errno));
  return 1;
}

} // namespace

void holdStopSignals() {
  const sigset_t stopSet = stopSignals();
  sigprocmask(SIG_BLOCK, &stopSet, nullptr);
}

int runSimulator(const PseudoTerminal& terminal, ProtocolEngine& engine, PacedOutput& output, WireLog* log) {
  const int master = terminal.master();
  LineWatch line(terminal.slavePath());
  const sigset_t stopSet = stopSignals();
  const int stopper = signalfd(-1, &stopSet, SFD_CLOEXEC);
  if (stopper < 0)
    return fail("signalfd");
  const Clock::time_point start = Clock::now();
  const auto elapsed = [start] { return std::chrono::nanoseconds(Clock::now() - start); };
  if (log != nullptr) {
    // The wall clock at time 0, so that a checker can set the log beside its own clicks.
    char epoch[64];
    std::snprintf(epoch, sizeof epoch, "started at %.6f s since the epoch",
                  std::chrono::duration<double>(std::chrono::system_clock::now().time_since_epoch()).count());
    log->transaction({}, epoch);
    engine.setTranscript([log, elapsed](const std::string& text) { log->transaction(elapsed(), text); });
    engine.setExchangeLog([log, elapsed](const WireExchange& exchange) { log->exchange(elapsed(), exchange); });
  }
  const auto dropUnfinished = [&](std::string_view why) {
    const std::optional<std::string> unfinished = engine.dropUnfinished();
    if (unfinished && log != nullptr)
      log->cut(elapsed(), *unfinished, why);
  };
  std::chrono::nanoseconds lastReceived{};

  // When the host's last byte would have arrived on a paced line: the pty
  // delivers a whole frame at once, a 4800-baud wire takes 2.3 ms a byte.
  std::chrono::nanoseconds inboundLineFree{};

  for (;;) {
    pollfd watched[3] = {{master, POLLIN, 0}, {stopper, POLLIN, 0}, {line.descriptor(), POLLIN, 0}};
    std::optional<PacedOutput::Time> due = output.nextDue();
    if (engine.unfinished())
      due = std::min(due.value_or(PacedOutput::Time::max()), lastReceived + kQuietLine);
    timespec timeout{};
    if (due)
      timeout = toTimespec(std::max(std::chrono::nanoseconds{}, *due - elapsed()));
    if (ppoll(watched, 3, due ? &timeout : nullptr, nullptr) < 0) {
      if (errno == EINTR)
        continue;
      close(stopper);
      return fail("ppoll");
    }
    if (watched[1].revents & POLLIN) {
      if (log != nullptr)
        log->transaction(elapsed(), "stopped by signal");
      close(stopper);
      return 0;
    }
    if (watched[0].revents & POLLIN) {
      std::uint8_t chunk[4096];
      ssize_t count = 0;
      while ((count = read(master, chunk, sizeof chunk)) > 0) {
        const std::span<const std::uint8_t> received(chunk, static_cast<std::size_t>(count));
        const std::chrono::nanoseconds now = elapsed();
        lastReceived = now;
        if (log != nullptr)
          log->received(now, received);
        const std::chrono::nanoseconds arrived =
            output.byteTime() == std::chrono::nanoseconds{}
                ? now
                : std::max(now, inboundLineFree) + static_cast<long>(received.size()) * output.byteTime();
        inboundLineFree = arrived;
        for (const Reply& reply : engine.feed(received, arrived))
          output.enqueue(reply.bytes, arrived + reply.delay);
      }
    } else if (watched[0].revents & (POLLHUP | POLLERR)) {
      // Cannot happen while the slave side is held open; never spin on it.
      close(stopper);
      std::fprintf(stderr, "drive-sim: the pseudo-terminal hung up\n");
      return 1;
    }
    if (engine.unfinished() && elapsed() - lastReceived >= kQuietLine)
      dropUnfinished("quiet for 1 s");
    for (const LineWatch::Event event : line.take()) {
      if (event == LineWatch::Event::Opened) {
        if (log != nullptr)
          log->transaction(elapsed(), "host opened the line");
        continue;
      }
      dropUnfinished("line closed");
      int unread = 0;
      ioctl(terminal.slave(), FIONREAD, &unread);
      if (log != nullptr)
        log->transaction(elapsed(), "host closed the line, " +
                                        std::to_string(unread + static_cast<int>(output.queued())) +
                                        " reply bytes unread");
    }
    const Bytes sending = output.takeDue(elapsed());
    if (sending.empty())
      continue;
    const ssize_t written = write(master, sending.data(), sending.size());
    const std::size_t sent = written > 0 ? static_cast<std::size_t>(written) : 0;
    if (log != nullptr) {
      log->sent(elapsed(), std::span(sending).first(sent));
      if (sent < sending.size())
        log->transaction(elapsed(),
                         "dropped " + std::to_string(sending.size() - sent) + " bytes: nobody reads the line");
    }
  }
}

} // namespace orvane::sim
