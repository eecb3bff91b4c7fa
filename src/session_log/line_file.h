#pragma once

#include "platform/clock.h"
#include "session_log/log_folder.h"

#include <optional>
#include <string>
#include <string_view>

namespace orvane {

// A text file in a LogFolder that only ever grows by whole lines. Each line, with its CR LF, goes
// to the kernel in one write() as soon as it is formed; of a write the kernel takes only in part
// (a full disk) the part is cut back off, once the file shows it ends in that part, so the file
// never ends in a broken line and never loses what another program appended. New files are 0640.
class LineFile {
public:
  // The logger's own files are regular files opened by their name within the folder, never
  // through a link, and their lines synced at the latest when syncDue() says and at the close.
  // The window's log is wherever the user's name for it leads (a link, a device), its lines left
  // to the kernel, as it always was.
  enum class Use { LoggerFile, WindowLog };
  // How long a written line may wait in the kernel before it is synced to the disk.
  static constexpr Clock::Duration kSyncInterval = std::chrono::seconds(10);

  explicit LineFile(Use use = Use::LoggerFile) : use_(use) {}
  ~LineFile();
  LineFile(LineFile&& other) noexcept;
  LineFile& operator=(LineFile&& other) noexcept;
  LineFile(const LineFile&) = delete;
  LineFile& operator=(const LineFile&) = delete;

  // Each returns the errno on failure; EINVAL names something there that is not a regular file,
  // ELOOP a link, for a logger's file.
  // Creates `name`, which must not exist yet (EEXIST otherwise), and makes its name durable.
  int createNew(const LogFolder& folder, const std::string& name);
  // Opens `name` for appending, creating it when missing. A last line without its line end is
  // given one, so the next line is not glued onto it.
  int openForAppend(const LogFolder& folder, const std::string& name);
  // Opens `name` emptied, creating it when missing.
  int openEmptied(const LogFolder& folder, const std::string& name);

  bool isOpen() const { return fd_ >= 0; }
  bool empty() const { return size_ == 0; }
  // Whether `name` in `folder` is still this file (not renamed away, deleted or replaced).
  bool isAt(const LogFolder& folder, const std::string& name) const;

  // Writes the line and its CR LF; `now` starts the sync interval for a file that was synced.
  // Returns the errno when the line could not be written whole (nothing of it stays then).
  int appendLine(std::string_view line, Clock::Duration now);
  // When the written lines must be synced; nothing while all are.
  std::optional<Clock::Duration> syncDue() const {
    return dirtySince_ ? std::optional(*dirtySince_ + kSyncInterval) : std::nullopt;
  }
  // Returns the errno when the disk refused.
  int sync();
  // Syncs and closes; the file is closed whatever the result.
  int close();

private:
  int open(const LogFolder& folder, const std::string& name, int flags);
  int write(std::string_view bytes);
  int cutBackPartial(std::string_view part) const;

  Use use_;
  int fd_ = -1;
  off_t size_ = 0;
  std::optional<Clock::Duration> dirtySince_;
};

} // namespace orvane
