#include "render/mapped_log.h"

#include <algorithm>
#include <fcntl.h>
#include <string_view>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orvane {
namespace {

// Keeps the samples of the wanted session, or of each new one when the last is wanted.
class SessionCollector final : public SessionSink {
public:
  SessionCollector(std::optional<std::size_t> wanted, SampleSeries& series) : wanted_(wanted), series_(series) {}
  std::size_t sessions() const { return sessions_; }

  void sessionStarted(std::uint64_t /*offset*/) override {
    ++sessions_;
    if (!wanted_)
      series_.clear();
  }
  void sampleRead(const Sample& sample, std::uint64_t /*lineOffset*/) override {
    if (sessions_ == 0)
      sessionStarted(0);
    if (!wanted_ || *wanted_ == sessions_)
      series_.append(sample);
  }
  void lineSkipped() override {}

private:
  std::optional<std::size_t> wanted_;
  SampleSeries& series_;
  std::size_t sessions_ = 0;
};

class Mapping {
public:
  explicit Mapping(const std::string& path) {
    const int file = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
      return;
    struct stat status {};
    if (::fstat(file, &status) == 0 && status.st_size > 0 &&
        static_cast<std::uint64_t>(status.st_size) <= LogFollower::kLargestFile) {
      size_ = static_cast<std::size_t>(status.st_size);
      void* mapped = ::mmap(nullptr, size_, PROT_READ, MAP_PRIVATE | MAP_POPULATE, file, 0);
      data_ = mapped == MAP_FAILED ? nullptr : static_cast<const char*>(mapped);
    }
    ::close(file);
  }
  ~Mapping() {
    if (data_)
      ::munmap(const_cast<char*>(data_), size_);
  }
  Mapping(const Mapping&) = delete;
  Mapping& operator=(const Mapping&) = delete;

  std::optional<std::string_view> bytes() const {
    return data_ ? std::optional<std::string_view>(std::string_view(data_, size_)) : std::nullopt;
  }

private:
  const char* data_ = nullptr;
  std::size_t size_ = 0;
};

} // namespace

std::optional<std::size_t> readMappedSession(const std::string& path, std::optional<std::size_t> wanted,
                                             SampleSeries& series) {
  const Mapping mapping(path);
  const std::optional<std::string_view> bytes = mapping.bytes();
  if (!bytes)
    return std::nullopt;
  series.reserve(static_cast<std::size_t>(std::count(bytes->begin(), bytes->end(), '\n')));
  SessionCollector collector(wanted, series);
  LogReader reader(collector);
  reader.feed(*bytes);
  series.settle();
  return collector.sessions();
}

} // namespace orvane
