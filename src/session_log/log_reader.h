#pragma once

#include "session_log/session_log_format.h"

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace orvane {

// Receives what a LogReader finds, in file order.
class SessionSink {
public:
  virtual ~SessionSink() = default;
  // A header line at `offset`: a new session begins.
  virtual void sessionStarted(std::uint64_t offset) = 0;
  virtual void sampleRead(const Sample& sample, std::uint64_t lineOffset) = 0;
  // A line that is neither a sample, a header nor blank.
  virtual void lineSkipped() = 0;
};

// Splits the bytes of a session log into lines as they arrive, in any pieces.
// A line ends at CR or LF; one without its end yet waits for it. A line
// longer than any sample line is skipped without being kept, so a file with
// no line ends costs no memory. Within a session time never runs backwards:
// a sample older than the one before it is skipped.
class LogReader {
public:
  static constexpr std::size_t kLongestLine = 1024;

  explicit LogReader(SessionSink& sink, std::uint64_t offset = 0) : sink_(sink), offset_(offset) {}

  void feed(std::string_view bytes);
  // Where the unfinished line, if any, begins.
  std::uint64_t completeLinesEnd() const { return offset_ - pending_.size() - overlongBytes_; }

private:
  void endLine(std::string_view piece, std::uint64_t pieceOffset);
  void takeLine(std::string_view line, std::uint64_t lineOffset);

  SessionSink& sink_;
  std::uint64_t offset_;
  std::string pending_;
  std::uint64_t overlongBytes_ = 0;
  double lastTime_ = -std::numeric_limits<double>::infinity();
};

} // namespace orvane
