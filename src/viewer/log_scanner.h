#pragma once

#include "timeline/timeline_events.h"
#include "viewer/log_follower.h"
#include "viewer/log_reader.h"

#include <optional>
#include <string>
#include <vector>

namespace orvane {

// What one look at a session log found, in file order: the samples, and
// between them where sessions begin and lines were skipped. Made on the
// reading thread, taken whole by the window's.
struct LogBatch {
  struct Mark {
    // The mark comes before samples[before].
    std::size_t before = 0;
    bool sessionStart = false;
    // Lines skipped here (none for a session start).
    std::size_t skipped = 0;
  };

  FileUpdate::Status status = FileUpdate::Status::Read;
  std::string reason;
  // The file was begun afresh: everything handed over before is gone.
  bool restarted = false;
  std::vector<Sample> samples;
  std::vector<Mark> marks;
  std::uint64_t fileSize = 0;
  std::uint64_t readSoFar = 0;
  // Bytes after the last line end: a line still being written, or a file with no line ends.
  std::uint64_t unfinishedBytes = 0;
  // More of the file is waiting to be read.
  bool more = false;
  // A folder read as one timeline: sample times count from this clock time
  // (seconds since the epoch), and its events when they changed.
  std::optional<double> clockOrigin;
  std::optional<std::vector<TimelineEvent>> events;

  bool empty() const { return samples.empty() && marks.empty() && !restarted && !events; }
};

// What the viewer reads from: one session log, or a folder of logger files
// as one timeline. Each call looks once and returns what was found.
class BatchSource {
public:
  virtual ~BatchSource() = default;
  // `room`: memory for the samples, left by an earlier batch.
  virtual LogBatch next(std::size_t maxBytes, std::vector<Sample> room) = 0;
};

// Follows a session log and reads what it gains, a piece at a time.
class LogScanner final : public BatchSource, private SessionSink {
public:
  explicit LogScanner(std::string path) : follower_(std::move(path)) {
    reader_.emplace(static_cast<SessionSink&>(*this));
  }

  const std::string& path() const { return follower_.path(); }
  // `room`: memory for the samples, left by an earlier batch.
  LogBatch next(std::size_t maxBytes, std::vector<Sample> room = {}) override;
  // Frees the read buffer of a file no longer followed.
  void release() { follower_.releaseBuffer(); }

private:
  void sessionStarted(std::uint64_t offset) override;
  void sampleRead(const Sample& sample, std::uint64_t lineOffset) override;
  void lineSkipped() override;

  LogFollower follower_;
  std::optional<LogReader> reader_;
  LogBatch* batch_ = nullptr;
};

} // namespace orvane
