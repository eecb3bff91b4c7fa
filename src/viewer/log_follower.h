#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace orvane {

// What one look at the followed file found.
struct FileUpdate {
  enum class Status { Read, Missing, Failed };
  Status status = Status::Read;
  // The file was truncated, replaced or rewritten: `bytes` start at its beginning.
  bool restarted = false;
  // Valid until the follower's next read.
  std::string_view bytes;
  // The file holds more than was read this time.
  bool more = false;
  // Why the file cannot be read (Failed).
  std::string reason;
};

// Follows a file that grows by appending: each read returns only the bytes
// added since the last one. A file that got shorter, was replaced by another
// or whose last bytes read before have changed is read again from its start.
class LogFollower {
public:
  // Larger files are refused when read from their start.
  static constexpr std::uint64_t kLargestFile = 256ull << 20;

  explicit LogFollower(std::string path) : path_(std::move(path)) {}

  const std::string& path() const { return path_; }
  FileUpdate readAppended(std::size_t maxBytes);
  // Frees the memory of the last read, once what it read has been taken.
  void releaseBuffer() { std::string().swap(buffer_); }
  // The bytes read so far and the file's size at the last read.
  std::uint64_t position() const { return position_; }
  std::uint64_t size() const { return size_; }

private:
  bool sameContent(int descriptor) const;

  std::string path_;
  std::uint64_t position_ = 0;
  std::uint64_t size_ = 0;
  std::uint64_t device_ = 0;
  std::uint64_t inode_ = 0;
  // The last bytes read, to notice a file rewritten to at least the same length.
  std::string tail_;
  // What `bytes` views. Kept from read to read: fresh memory for each piece of
  // a large file would cost a page fault every 4 KB.
  std::string buffer_;
};

} // namespace orvane
