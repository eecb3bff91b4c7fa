#pragma once

#include "platform/clock.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A text file that only ever grows by whole lines. Each line, with its CR LF, goes to the kernel
// in one write() as soon as it is formed; a write the kernel takes only in part (a full disk) is
// cut back off, so the file never ends in a broken line. Written lines are synced at the latest
// when syncDue() says, and when the file is closed.
class LineFile {
public:
  // How long a written line may wait in the kernel before it is synced to the disk.
  static constexpr Clock::Duration kSyncInterval = std::chrono::seconds(10);

  LineFile() = default;
  ~LineFile();
  LineFile(LineFile&& other) noexcept;
  LineFile& operator=(LineFile&& other) noexcept;
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Creates `path`, which must not exist yet (EEXIST otherwise), and makes its name durable.
  // Returns the errno on failure.
  int createNew(const std::string& path);
  // Opens `path` for appending, creating it when missing. Returns the errno on failure.
  int openForAppend(const std::string& path);

  bool isOpen() const { return fd_ >= 0; }
  bool empty() const { return size_ == 0; }

  // Writes the line and its CR LF; `now` starts the sync interval for a file that was synced.
  // Returns the errno when the line could not be written whole (nothing of it stays then).
  int appendLine(std::string_view line, Clock::Duration now);
  // When the written lines must be synced; nothing while all are.
  std::optional<Clock::Duration> syncDue() const {
    return dirtySince_ ? std::optional(*dirtySince_ + kSyncInterval) : std::nullopt;
  }
  // Syncs when the interval has run out.
  void syncIfDue(Clock::Duration now);
  void sync();
  // Syncs and closes.
  void close();

private:
  int fd_ = -1;
  off_t size_ = 0;
  std::optional<Clock::Duration> dirtySince_;
};

} // namespace orvane
