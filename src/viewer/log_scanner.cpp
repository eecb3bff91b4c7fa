#include "viewer/log_scanner.h"

namespace orvane {

LogBatch LogScanner::next(std::size_t maxBytes, std::vector<Sample> room) {
  FileUpdate update = follower_.readAppended(maxBytes);
  LogBatch batch;
  batch.status = update.status;
  batch.reason = std::move(update.reason);
  batch.restarted = update.restarted;
  if (update.restarted)
    reader_.emplace(static_cast<SessionSink&>(*this));
  // Room for the samples of lines no shorter than most the program writes.
  batch.samples = std::move(room);
  batch.samples.clear();
  batch.samples.reserve(update.bytes.size() / 16);
  batch_ = &batch;
  reader_->feed(update.bytes);
  batch_ = nullptr;
  batch.fileSize = follower_.size();
  batch.readSoFar = follower_.position();
  batch.unfinishedBytes = batch.readSoFar - reader_->completeLinesEnd();
  batch.more = update.more;
  // Read to its end, the file is followed a few lines at a time.
  if (!update.more)
    follower_.releaseBuffer();
  return batch;
}

void LogScanner::sessionStarted(std::uint64_t /*offset*/) {
  batch_->marks.push_back({batch_->samples.size(), true, 0});
}

void LogScanner::sampleRead(const Sample& sample, std::uint64_t /*lineOffset*/) {
  batch_->samples.push_back(sample);
}

// A run of skipped lines is one mark.
void LogScanner::lineSkipped() {
  std::vector<LogBatch::Mark>& marks = batch_->marks;
  if (marks.empty() || marks.back().sessionStart || marks.back().before != batch_->samples.size())
    marks.push_back({batch_->samples.size(), false, 0});
  ++marks.back().skipped;
}

} // namespace orvane
