#pragma once

#include "viewer/log_scanner.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace orvane {

// Reads a session log on a thread of its own, so that neither a large file
// nor a slow disk holds up the window: hands each piece it reads to
// `deliver` (called on the reading thread), at most two pieces ahead of the
// receiver, then looks for appended lines every tenth of a second while
// following.
class LogLoader {
public:
  using Deliver = std::function<void(std::shared_ptr<const LogBatch>)>;

  LogLoader(std::string path, Deliver deliver);
  ~LogLoader();
  LogLoader(const LogLoader&) = delete;
  LogLoader& operator=(const LogLoader&) = delete;

  // The receiver has dealt with a piece: the reader may go on.
  void batchTaken();
  // Whether to look for appended lines once the file has been read.
  void setFollowing(bool following);

private:
  void run();
  bool worthDelivering(const LogBatch& batch);

  LogScanner scanner_;
  Deliver deliver_;
  std::mutex mutex_;
  std::condition_variable wake_;
  int inFlight_ = 0;
  bool following_ = true;
  bool stopping_ = false;
  // What the last delivered piece said of the file, to hand over only news.
  std::optional<LogBatch> last_;
  std::thread thread_;
};

} // namespace orvane
