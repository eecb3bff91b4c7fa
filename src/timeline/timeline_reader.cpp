#include "timeline/timeline_reader.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <limits>
#include <unistd.h>

namespace orvane {
namespace {

constexpr std::size_t kChunk = 1 << 20;
constexpr std::size_t kPiece = 1 << 14;

class FileSamples {
public:
  FileSamples(double start, double& lastTime, TimelineReadReport& report,
              const std::function<void(std::span<const Sample>)>& take)
      : start_(start), lastTime_(lastTime), report_(report), take_(take) {
    piece_.reserve(kPiece);
  }

  // Lines of `bytes`; what follows the last line end is kept for the next call.
  void feed(std::string_view bytes) {
    while (!bytes.empty()) {
      const std::size_t end = bytes.find_first_of("\r\n");
      if (end == std::string_view::npos) {
        pending_.append(bytes);
        return;
      }
      if (pending_.empty()) {
        line(bytes.substr(0, end));
      } else {
        pending_.append(bytes.substr(0, end));
        line(pending_);
        pending_.clear();
      }
      bytes.remove_prefix(end + 1);
    }
  }

  // A last line without its line end is still being written: it is left out.
  void finish() {
    if (!piece_.empty())
      take_(piece_);
    piece_.clear();
  }

private:
  void line(std::string_view text) {
    LogLine parsed = parseSessionLogLine(text);
    if (parsed.kind == LineKind::Header || parsed.kind == LineKind::Blank)
      return;
    parsed.sample.time += start_;
    if (parsed.kind == LineKind::Bad || parsed.sample.time < lastTime_) {
      ++report_.skippedLines;
      return;
    }
    lastTime_ = parsed.sample.time;
    piece_.push_back(parsed.sample);
    if (piece_.size() == kPiece)
      finish();
  }

  double start_;
  double& lastTime_;
  TimelineReadReport& report_;
  const std::function<void(std::span<const Sample>)>& take_;
  std::string pending_;
  std::vector<Sample> piece_;
};

} // namespace

TimelineReadReport readTimelineSamples(const std::vector<LoggerFile>& files,
                                       const std::function<void(std::span<const Sample>)>& take) {
  TimelineReadReport report;
  double lastTime = -std::numeric_limits<double>::infinity();
  std::string buffer(kChunk, '\0');
  for (const LoggerFile& file : files) {
    const int descriptor = ::open(file.path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
      report.failures.push_back(file.path + ": " + std::strerror(errno));
      continue;
    }
    FileSamples samples(file.start, lastTime, report, take);
    ssize_t got = 0;
    while ((got = ::read(descriptor, buffer.data(), buffer.size())) > 0)
      samples.feed(std::string_view(buffer.data(), static_cast<std::size_t>(got)));
    if (got < 0)
      report.failures.push_back(file.path + ": " + std::strerror(errno));
    ::close(descriptor);
    samples.finish();
  }
  return report;
}

} // namespace orvane
