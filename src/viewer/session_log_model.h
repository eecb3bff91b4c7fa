#pragma once

#include "timeline/gap_finder.h"
#include "viewer/limit_spans.h"
#include "viewer/log_scanner.h"
#include "viewer/sample_store.h"

#include <optional>
#include <span>
#include <string>
#include <utility>
#include <vector>

namespace orvane {

struct SessionSummary {
  // The session's samples are [first, first + samples) of the store.
  std::size_t first = 0;
  std::size_t samples = 0;
  std::size_t skippedLines = 0;
  double lastTime = 0;
  // The least-squares ratio of the two current columns: the logged values are
  // rounded, so no single sample gives it exactly.
  double percentTimesAmperes = 0;
  double amperesSquared = 0;
  // The session's current in % of the drive's rating per A, when any sample carries current.
  std::optional<double> percentPerAmpere() const;
};

// A session log as the viewer shows it: every sample of it in memory, its
// sessions, one of them shown. The last session is shown until the user
// picks another; a new session (a new header, or the file begun afresh) is
// shown as soon as it starts.
class SessionLogModel {
public:
  struct Change {
    bool newSamples = false;
    // The shown session was replaced by a new one.
    bool newSession = false;
    bool newEvents = false;
  };

  explicit SessionLogModel(std::string path) : path_(std::move(path)) {}
  SessionLogModel(const SessionLogModel&) = delete;
  SessionLogModel& operator=(const SessionLogModel&) = delete;

  // Forgets everything read, for another file (or the same, read again).
  void reopen(std::string path);
  Change apply(const LogBatch& batch);

  const std::string& path() const { return path_; }
  // Why nothing can be shown; empty while the file holds samples or has not been looked at yet.
  std::string problem() const;
  // Read so far of the file's size.
  double progress() const;
  // Everything the file held at the last look has been read.
  bool caughtUp() const { return looked_ && !more_; }
  std::uint64_t unfinishedBytes() const { return unfinishedBytes_; }

  const SampleStore& store() const { return store_; }
  const std::vector<SessionSummary>& sessions() const { return sessions_; }
  std::size_t shownSession() const { return shown_; }
  void showSession(std::size_t index);
  // The shown session's samples in the store, [first, last).
  std::pair<std::size_t, std::size_t> shownSamples() const;

  // Where the samples break: the gaps of every session, by store index.
  const GapFinder& gaps() const { return gaps_; }
  // A folder read as one timeline: the clock time its sample times count
  // from, and the events of its Events.CSV in time order.
  std::optional<double> clockOrigin() const { return clockOrigin_; }
  const std::vector<TimelineEvent>& events() const { return events_; }
  // The limits watched over every session as it is read, and the times they were raised.
  // Set before reading: samples already stored are not watched.
  void setLimits(std::vector<Limit> limits) { limitSpans_.setLimits(std::move(limits)); }
  const LimitSpans& limitSpans() const { return limitSpans_; }

private:
  void startAfresh();
  void startSession();
  void add(std::span<const Sample> samples);
  void skip(std::size_t lines);

  std::string path_;
  SampleStore store_;
  GapFinder gaps_;
  LimitSpans limitSpans_;
  std::optional<double> clockOrigin_;
  std::vector<TimelineEvent> events_;
  std::vector<SessionSummary> sessions_;
  std::size_t skippedBeforeFirst_ = 0;
  std::size_t shown_ = 0;
  Change change_;
  bool looked_ = false;
  FileUpdate::Status status_ = FileUpdate::Status::Read;
  std::string failure_;
  std::uint64_t fileSize_ = 0;
  std::uint64_t readSoFar_ = 0;
  std::uint64_t unfinishedBytes_ = 0;
  bool more_ = false;
};

// Reads all the file or folder holds now into the model, on the calling thread.
SessionLogModel::Change readAvailable(BatchSource& source, SessionLogModel& model);

} // namespace orvane
