#include "viewer/log_loader.h"

#include "viewer/folder_scanner.h"

#include <chrono>

namespace orvane {
namespace {

// Small enough for the receiver to take one well within a frame (about 9,000
// lines), large enough to read a file at disk speed.
constexpr std::size_t kPieceBytes = 256 << 10;
// Enough to go on reading while the window is first laid out and painted.
constexpr int kMostAhead = 8;
// The log gains a line every 0.5 s at the fastest; a look every fifth of
// that shows each line well within its tick.
constexpr std::chrono::milliseconds kFollowInterval{100};

} // namespace

LogLoader::LogLoader(std::string path, Deliver deliver)
    : path_(std::move(path)), deliver_(std::move(deliver)), thread_([this] { run(); }) {}

LogLoader::~LogLoader() {
  {
    const std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_all();
  thread_.join();
}

void LogLoader::batchTaken(std::vector<Sample> room) {
  {
    const std::lock_guard lock(mutex_);
    --inFlight_;
    keepRoom(std::move(room));
  }
  wake_.notify_all();
}

// Only while the file is read piece after piece: followed, it gains a few
// lines at a time, and the pieces' memory would lie idle.
void LogLoader::keepRoom(std::vector<Sample> room) {
  if (readingPieces_)
    spareRooms_.push_back(std::move(room));
}

std::vector<Sample> LogLoader::spareRoom() {
  const std::lock_guard lock(mutex_);
  if (spareRooms_.empty())
    return {};
  std::vector<Sample> room = std::move(spareRooms_.back());
  spareRooms_.pop_back();
  return room;
}

void LogLoader::setFollowing(bool following) {
  {
    const std::lock_guard lock(mutex_);
    following_ = following;
  }
  wake_.notify_all();
}

bool LogLoader::worthDelivering(const LogBatch& batch) {
  const bool news = !last_ || !batch.empty() || batch.status != last_->status || batch.reason != last_->reason ||
                    batch.fileSize != last_->fileSize || batch.unfinishedBytes != last_->unfinishedBytes ||
                    batch.more != last_->more;
  if (news) {
    last_.emplace();
    last_->status = batch.status;
    last_->reason = batch.reason;
    last_->fileSize = batch.fileSize;
    last_->unfinishedBytes = batch.unfinishedBytes;
    last_->more = batch.more;
  }
  return news;
}

void LogLoader::run() {
  source_ = openBatchSource(path_);
  for (;;) {
    LogBatch batch = source_->next(kPieceBytes, spareRoom());
    const bool more = batch.more;
    if (worthDelivering(batch)) {
      {
        std::unique_lock lock(mutex_);
        wake_.wait(lock, [this] { return stopping_ || inFlight_ < kMostAhead; });
        if (stopping_)
          return;
        ++inFlight_;
      }
      deliver_(std::make_shared<LogBatch>(std::move(batch)));
    } else {
      const std::lock_guard lock(mutex_);
      keepRoom(std::move(batch.samples));
    }
    std::unique_lock lock(mutex_);
    readingPieces_ = more;
    if (!more) {
      spareRooms_.clear();
      wake_.wait_for(lock, kFollowInterval, [this] { return stopping_; });
      wake_.wait(lock, [this] { return stopping_ || following_; });
    }
    if (stopping_)
      return;
  }
}

} // namespace orvane
