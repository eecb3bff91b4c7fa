#pragma once

#include "timeline/logger_files.h"
#include "viewer/log_scanner.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace orvane {

// A folder of logger files read as one timeline, a piece at a time: the files
// in the order they were begun, each sample's time the seconds from the
// first file's start (the batch's clock origin), so the samples of every day
// lie on one axis. The newest file is followed; a file begun later (the next
// day's, or one after a reconnection) is taken up once the one before it has
// been read. A sample earlier than the one before it (a file rewritten, a
// second session in one file) is skipped. Events.CSV is read again whenever
// it changes.
class FolderScanner final : public BatchSource {
public:
  explicit FolderScanner(std::string folder) : folder_(std::move(folder)) {}

  LogBatch next(std::size_t maxBytes, std::vector<Sample> room) override;

private:
  void listFiles();
  void keepRising(LogBatch& batch);
  void readEventsIfChanged(LogBatch& batch);

  std::string folder_;
  std::vector<LoggerFile> files_;
  std::vector<std::uint64_t> sizes_;
  std::size_t reading_ = 0;
  std::unique_ptr<LogScanner> scanner_;
  std::optional<double> origin_;
  double lastTime_ = 0;
  bool anySample_ = false;
  std::uint64_t readBefore_ = 0;
  // Size and change time of Events.CSV at the last read.
  std::optional<std::pair<std::uint64_t, std::int64_t>> eventsSeen_;
};

// A FolderScanner for a folder, else a LogScanner. Looks at the disk: call it
// where a wait on the disk holds up no window.
std::unique_ptr<BatchSource> openBatchSource(const std::string& path);

} // namespace orvane
