#pragma once

#include "viewer/log_follower.h"
#include "viewer/log_reader.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// Where the shown session's samples go. The plots keep the only copy of the
// values; the text of a sample is read again from the file when asked for.
class SampleSeries {
public:
  virtual ~SampleSeries() = default;
  virtual void clear() = 0;
  virtual void append(const Sample& sample) = 0;
  // Room for about this many more samples, before a large read.
  virtual void reserve(std::size_t samples) = 0;
  // The read is done: the room its samples did not take is given back.
  virtual void settle() = 0;
};

struct SessionSummary {
  std::uint64_t start = 0;
  std::size_t samples = 0;
  std::size_t skippedLines = 0;
  double lastTime = 0;
};

// A session log as the viewer shows it: its sessions, one of them shown,
// followed as the file grows. The last session is shown until the user picks
// another; a new session (a new header, or the file begun afresh) is shown
// as soon as it starts.
class SessionLogModel : private SessionSink {
public:
  struct Poll {
    bool newSamples = false;
    // The shown session was replaced by a new one.
    bool newSession = false;
    // More of the file is waiting to be read.
    bool more = false;
  };

  SessionLogModel(std::string path, SampleSeries& series) : follower_(std::move(path)), series_(series) {
    reader_.emplace(static_cast<SessionSink&>(*this));
  }

  Poll poll(std::size_t maxBytes);
  const std::string& path() const { return follower_.path(); }
  // Why nothing can be shown; empty while the file holds samples.
  std::string problem() const;
  // Read so far of the file's size.
  double progress() const;

  const std::vector<SessionSummary>& sessions() const { return sessions_; }
  std::size_t shownSession() const { return shown_; }
  void showSession(std::size_t index);
  // The five fields of the shown session's sample as written in the file.
  std::optional<std::array<std::string, 5>> loggedFields(std::size_t sample) const;

private:
  void sessionStarted(std::uint64_t offset) override;
  void sampleRead(const Sample& sample, std::uint64_t lineOffset) override;
  void lineSkipped() override;
  void startAfresh();
  void showSample(const Sample& sample, std::uint64_t lineOffset);
  std::uint64_t sessionEnd(std::size_t index) const;

  LogFollower follower_;
  SampleSeries& series_;
  std::optional<LogReader> reader_;
  FileUpdate::Status status_ = FileUpdate::Status::Read;
  std::string failure_;
  std::vector<SessionSummary> sessions_;
  std::size_t skippedBeforeFirst_ = 0;
  std::size_t shown_ = 0;
  bool showingLast_ = true;
  bool newSession_ = false;
  bool newSamples_ = false;
  // The offset of every 64th sample line of the shown session.
  std::vector<std::uint64_t> checkpoints_;
  std::size_t shownSamples_ = 0;
};

} // namespace orvane
