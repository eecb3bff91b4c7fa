#pragma once

#include "timeline/logger_files.h"
#include "viewer/events_watch.h"
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
  explicit FolderScanner(std::string folder) : folder_(std::move(folder)), events_(folder_) {}

  LogBatch next(std::size_t maxBytes, std::vector<Sample> room) override;

private:
  void listFiles();
  void keepRising(LogBatch& batch);

  std::string folder_;
  EventsWatch events_;
  std::vector<LoggerFile> files_;
  std::vector<std::uint64_t> sizes_;
  std::size_t reading_ = 0;
  std::unique_ptr<LogScanner> scanner_;
  std::optional<double> origin_;
  double lastTime_ = 0;
  bool anySample_ = false;
  std::uint64_t readBefore_ = 0;
};

// A logger's file (named by its start) and the events of the Events.CSV beside it.
class LoggerFileScanner final : public BatchSource {
public:
  LoggerFileScanner(const std::string& path, std::string folder) : scanner_(path), events_(std::move(folder)) {}

  LogBatch next(std::size_t maxBytes, std::vector<Sample> room) override;

private:
  LogScanner scanner_;
  EventsWatch events_;
};

// A FolderScanner for a folder, a LoggerFileScanner for a logger's file, else
// a LogScanner. Looks at the disk: call it where a wait on the disk holds up
// no window.
std::unique_ptr<BatchSource> openBatchSource(const std::string& path);

} // namespace orvane
