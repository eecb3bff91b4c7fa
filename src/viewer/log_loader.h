#pragma once

#include "viewer/log_scanner.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace orvane {

// Reads a session log, or a folder of logger files as one timeline, on a thread of its own, so that neither a
// large file nor a slow disk holds up the window: hands each piece it reads to `deliver` (called on the reading
// thread), a few pieces ahead of the receiver, then looks for appended lines every tenth of a second while
// following. The receiver gives each piece's sample memory back for a later
// one, so that reading a large file touches fresh memory only for the first
// few pieces.
class LogLoader {
public:
  using Deliver = std::function<void(std::shared_ptr<LogBatch>)>;

  LogLoader(std::string path, Deliver deliver);
  ~LogLoader();
  LogLoader(const LogLoader&) = delete;
  LogLoader& operator=(const LogLoader&) = delete;

  // The receiver has dealt with a piece, and gives back its samples' memory:
  // the reader may go on.
  void batchTaken(std::vector<Sample> room);
  // Whether to look for appended lines once the file has been read.
  void setFollowing(bool following);

private:
  void run();
  bool worthDelivering(const LogBatch& batch);
  std::vector<Sample> spareRoom();
  void keepRoom(std::vector<Sample> room);

  std::string path_;
  // Made on the reading thread: telling a folder from a file looks at the disk.
  std::unique_ptr<BatchSource> source_;
  Deliver deliver_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int inFlight_ = 0;
  std::vector<std::vector<Sample>> spareRooms_;
  bool readingPieces_ = true;
  bool following_ = true;
  bool stopping_ = false;
  // What the last delivered piece said of the file, to hand over only news.
  std::optional<LogBatch> last_;
  std::thread thread_;
};

} // namespace orvane
