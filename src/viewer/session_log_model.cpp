#include "viewer/session_log_model.h"

#include <cmath>

namespace orvane {
namespace {

constexpr std::size_t kPieceBytes = 1 << 20;

std::string counted(std::uint64_t count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

} // namespace

std::optional<double> SessionSummary::percentPerAmpere() const {
  const double ratio = percentTimesAmperes / amperesSquared;
  if (!(amperesSquared > 0) || !std::isfinite(ratio) || ratio == 0)
    return std::nullopt;
  return ratio;
}

void SessionLogModel::reopen(std::string path) {
  path_ = std::move(path);
  events_.clear();
  startAfresh();
  change_ = {};
  looked_ = false;
  status_ = FileUpdate::Status::Read;
  failure_.clear();
  fileSize_ = readSoFar_ = unfinishedBytes_ = 0;
  more_ = false;
}

SessionLogModel::Change SessionLogModel::apply(const LogBatch& batch) {
  looked_ = true;
  status_ = batch.status;
  failure_ = batch.reason;
  fileSize_ = batch.fileSize;
  readSoFar_ = batch.readSoFar;
  unfinishedBytes_ = batch.unfinishedBytes;
  more_ = batch.more;
  change_ = {};
  if (batch.restarted)
    startAfresh();
  clockOrigin_ = batch.clockOrigin;
  if (batch.events) {
    events_ = *batch.events;
    change_.newEvents = true;
  }
  const std::span<const Sample> samples(batch.samples);
  std::size_t from = 0;
  for (const LogBatch::Mark& mark : batch.marks) {
    add(samples.subspan(from, mark.before - from));
    from = mark.before;
    if (mark.sessionStart)
      startSession();
    else
      skip(mark.skipped);
  }
  add(samples.subspan(from));
  return change_;
}

void SessionLogModel::startAfresh() {
  store_.clear();
  gaps_.clear();
  limitSpans_.clear();
  sessions_.clear();
  skippedBeforeFirst_ = 0;
  shown_ = 0;
  change_.newSession = true;
}

void SessionLogModel::startSession() {
  sessions_.push_back({store_.size(), 0, skippedBeforeFirst_, 0, 0, 0});
  skippedBeforeFirst_ = 0;
  shown_ = sessions_.size() - 1;
  change_.newSession = true;
  gaps_.restart();
  limitSpans_.restart();
}

void SessionLogModel::add(std::span<const Sample> samples) {
  if (samples.empty())
    return;
  if (sessions_.empty())
    startSession();
  for (std::size_t i = 0; i < samples.size(); ++i) {
    gaps_.add(store_.size() + i, samples[i].time);
    limitSpans_.add(store_.size() + i, samples[i]);
  }
  store_.append(samples);
  SessionSummary& session = sessions_.back();
  session.samples += samples.size();
  session.lastTime = samples.back().time;
  for (const Sample& sample : samples) {
    session.percentTimesAmperes += sample.currentPercent * sample.current;
    session.amperesSquared += sample.current * sample.current;
  }
  if (shown_ == sessions_.size() - 1)
    change_.newSamples = true;
}

void SessionLogModel::skip(std::size_t lines) {
  if (sessions_.empty())
    skippedBeforeFirst_ += lines;
  else
    sessions_.back().skippedLines += lines;
}

void SessionLogModel::showSession(std::size_t index) {
  if (index < sessions_.size())
    shown_ = index;
}

std::pair<std::size_t, std::size_t> SessionLogModel::shownSamples() const {
  if (sessions_.empty())
    return {0, 0};
  const SessionSummary& shown = sessions_[shown_];
  return {shown.first, shown.first + shown.samples};
}

std::string SessionLogModel::problem() const {
  const std::string& name = path();
  if (!looked_)
    return {};
  if (status_ == FileUpdate::Status::Missing)
    return name + " does not exist.";
  if (status_ == FileUpdate::Status::Failed)
    return name + " cannot be shown: " + failure_ + ".";
  if (store_.size() > 0)
    return {};
  if (fileSize_ == 0)
    return name + " is empty.";
  std::size_t skipped = skippedBeforeFirst_;
  for (const SessionSummary& session : sessions_)
    skipped += session.skippedLines;
  if (skipped == 0 && (!sessions_.empty() || unfinishedBytes_ == 0))
    return "The session in " + name + " has no samples yet.";
  std::string what;
  if (skipped > 0)
    what = counted(skipped, "line", "lines") + " skipped";
  if (unfinishedBytes_ > 0)
    what += (what.empty() ? "" : ", ") + counted(unfinishedBytes_, "byte", "bytes") + " without a line end";
  return name + " holds no sample lines (" + what +
         "). A sample line holds five numbers separated by commas, with \".\" as the decimal point, and ends "
         "with a line end.";
}

double SessionLogModel::progress() const {
  return fileSize_ == 0 ? 1.0 : static_cast<double>(readSoFar_) / static_cast<double>(fileSize_);
}

SessionLogModel::Change readAvailable(BatchSource& source, SessionLogModel& model) {
  SessionLogModel::Change change;
  // Each piece's sample memory serves the next: fresh memory costs a page fault every 4 KB.
  std::vector<Sample> room;
  for (bool more = true; more;) {
    LogBatch batch = source.next(kPieceBytes, std::move(room));
    const SessionLogModel::Change step = model.apply(batch);
    change.newSamples = change.newSamples || step.newSamples;
    change.newSession = change.newSession || step.newSession;
    change.newEvents = change.newEvents || step.newEvents;
    more = batch.more;
    room = std::move(batch.samples);
  }
  return change;
}

} // namespace orvane
