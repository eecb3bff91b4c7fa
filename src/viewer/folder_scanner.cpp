#include "viewer/folder_scanner.h"

#include <algorithm>
#include <filesystem>

namespace orvane {

std::unique_ptr<BatchSource> openBatchSource(const std::string& path) {
  std::error_code error;
  if (std::filesystem::is_directory(path, error))
    return std::make_unique<FolderScanner>(path);
  const std::filesystem::path file(path);
  if (sessionLogStartTime(file.filename().string()))
    return std::make_unique<LoggerFileScanner>(path,
                                               std::filesystem::absolute(file, error).parent_path().string());
  return std::make_unique<LogScanner>(path);
}

// Files begun before the one being read are not taken up: the timeline only grows at its end.
void FolderScanner::listFiles() {
  std::vector<LoggerFile> listed = loggerFiles(folder_);
  if (listed.empty())
    return;
  if (files_.empty()) {
    files_ = std::move(listed);
  } else {
    const std::string& reading = files_[reading_].path;
    const auto at =
        std::find_if(listed.begin(), listed.end(), [&](const LoggerFile& file) { return file.path == reading; });
    if (at == listed.end())
      return;
    files_.resize(reading_ + 1);
    files_.insert(files_.end(), at + 1, listed.end());
  }
  sizes_.clear();
  for (const LoggerFile& file : files_) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file.path, error);
    sizes_.push_back(error ? 0 : size);
  }
  if (!origin_)
    origin_ = files_.front().start;
}

LogBatch FolderScanner::next(std::size_t maxBytes, std::vector<Sample> room) {
  if (!scanner_ || reading_ + 1 >= files_.size())
    listFiles();
  LogBatch batch;
  if (files_.empty()) {
    batch.status = FileUpdate::Status::Failed;
    batch.reason = "the folder holds no logger files (Trend-YYYY-MM-DD_HH-MM-SS.CSV)";
    batch.events = events_.changed();
    return batch;
  }
  if (!scanner_)
    scanner_ = std::make_unique<LogScanner>(files_[reading_].path);
  batch = scanner_->next(maxBytes, std::move(room));
  // A file that vanished or cannot be read leaves a gap, not a timeline that cannot be shown.
  batch.status = FileUpdate::Status::Read;
  batch.reason.clear();
  batch.restarted = false;
  keepRising(batch);
  const std::uint64_t readHere = batch.readSoFar;
  if (!batch.more && reading_ + 1 < files_.size()) {
    scanner_->release();
    readBefore_ += sizes_[reading_];
    ++reading_;
    scanner_ = std::make_unique<LogScanner>(files_[reading_].path);
    batch.more = true;
    batch.unfinishedBytes = 0;
  }
  std::uint64_t total = 0;
  for (const std::uint64_t size : sizes_)
    total += size;
  batch.readSoFar = std::min(total, readBefore_ + (batch.more ? 0 : readHere));
  batch.fileSize = std::max(total, batch.readSoFar);
  if (!batch.more)
    batch.readSoFar = batch.fileSize;
  batch.clockOrigin = origin_;
  batch.events = events_.changed();
  return batch;
}

// Times from the origin, sessions joined into the one timeline, and no sample before the one before it.
void FolderScanner::keepRising(LogBatch& batch) {
  const double offset = files_[reading_].start - *origin_;
  std::vector<LogBatch::Mark> marks;
  std::size_t kept = 0;
  std::size_t mark = 0;
  std::size_t dropped = 0;
  for (std::size_t i = 0; i <= batch.samples.size(); ++i) {
    for (; mark < batch.marks.size() && batch.marks[mark].before == i; ++mark)
      if (!batch.marks[mark].sessionStart)
        marks.push_back({kept, false, batch.marks[mark].skipped});
    if (i == batch.samples.size())
      break;
    Sample sample = batch.samples[i];
    sample.time += offset;
    if (anySample_ && sample.time < lastTime_) {
      ++dropped;
      continue;
    }
    anySample_ = true;
    lastTime_ = sample.time;
    batch.samples[kept++] = sample;
  }
  batch.samples.resize(kept);
  if (dropped > 0)
    marks.push_back({kept, false, dropped});
  batch.marks = std::move(marks);
}

LogBatch LoggerFileScanner::next(std::size_t maxBytes, std::vector<Sample> room) {
  LogBatch batch = scanner_.next(maxBytes, std::move(room));
  batch.events = events_.changed();
  return batch;
}

} // namespace orvane
