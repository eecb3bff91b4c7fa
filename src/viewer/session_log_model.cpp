#include "viewer/session_log_model.h"

#include <algorithm>
#include <cstring>
#include <fstream>
#include <functional>

namespace orvane {
namespace {

constexpr std::size_t kCheckpointEvery = 64;
constexpr std::size_t kSessionChunk = 1 << 20;
constexpr std::size_t kLookupChunk = 4096;
// A read this large makes room for its lines at once rather than growing for them.
constexpr std::size_t kReserveFrom = 1 << 20;

// The line feeds in `bytes`, eight bytes at a time: in each word a line feed
// becomes a zero byte, whose high bit the carries leave set.
std::size_t lineFeeds(std::string_view bytes) {
  constexpr std::uint64_t kOnes = 0x0101010101010101;
  constexpr std::uint64_t kLow = kOnes * 0x7f;
  std::size_t count = 0;
  std::size_t at = 0;
  for (; at + sizeof(std::uint64_t) <= bytes.size(); at += sizeof(std::uint64_t)) {
    std::uint64_t word = 0;
    std::memcpy(&word, bytes.data() + at, sizeof word);
    word ^= kOnes * '\n';
    const std::uint64_t zeroBytes = ~(((word & kLow) + kLow) | word) & (kOnes << 7);
    count += static_cast<std::size_t>(((zeroBytes >> 7) * kOnes) >> 56);
  }
  return count +
         static_cast<std::size_t>(std::count(bytes.begin() + static_cast<std::ptrdiff_t>(at), bytes.end(), '\n'));
}

// Feeds the bytes of a file from `begin` to `end` to a reader until `done`.
void readRange(const std::string& path, std::uint64_t begin, std::uint64_t end, std::size_t chunkSize,
               LogReader& reader, const std::function<bool()>& done) {
  std::ifstream file(path, std::ios::binary);
  file.seekg(static_cast<std::streamoff>(begin));
  std::string chunk;
  for (std::uint64_t at = begin; at < end && file && !done();) {
    chunk.resize(static_cast<std::size_t>(std::min<std::uint64_t>(chunkSize, end - at)));
    file.read(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    chunk.resize(static_cast<std::size_t>(file.gcount()));
    reader.feed(chunk);
    at += chunk.size();
  }
}

// Hands every sample of a stretch of the file to a function.
class SampleVisitor final : public SessionSink {
public:
  using Visit = std::function<void(const Sample&, std::uint64_t)>;
  explicit SampleVisitor(Visit visit) : visit_(std::move(visit)) {}
  void sessionStarted(std::uint64_t /*offset*/) override {}
  void sampleRead(const Sample& sample, std::uint64_t lineOffset) override { visit_(sample, lineOffset); }
  void lineSkipped() override {}

private:
  Visit visit_;
};

} // namespace

SessionLogModel::Poll SessionLogModel::poll(std::size_t maxBytes) {
  FileUpdate update = follower_.readAppended(maxBytes);
  status_ = update.status;
  failure_ = update.reason;
  newSession_ = false;
  newSamples_ = false;
  if (update.restarted)
    startAfresh();
  if (update.bytes.size() >= kReserveFrom)
    series_.reserve(lineFeeds(update.bytes));
  reader_->feed(update.bytes);
  series_.settle();
  return {newSamples_, newSession_, update.more};
}

void SessionLogModel::startAfresh() {
  reader_.emplace(static_cast<SessionSink&>(*this));
  sessions_.clear();
  skippedBeforeFirst_ = 0;
  showingLast_ = true;
  shown_ = 0;
  checkpoints_.clear();
  shownSamples_ = 0;
  series_.clear();
  newSession_ = true;
}

void SessionLogModel::sessionStarted(std::uint64_t offset) {
  sessions_.push_back({offset, 0, skippedBeforeFirst_, 0});
  skippedBeforeFirst_ = 0;
  showingLast_ = true;
  shown_ = sessions_.size() - 1;
  checkpoints_.clear();
  shownSamples_ = 0;
  series_.clear();
  newSession_ = true;
}

void SessionLogModel::sampleRead(const Sample& sample, std::uint64_t lineOffset) {
  if (sessions_.empty())
    sessionStarted(0);
  SessionSummary& session = sessions_.back();
  ++session.samples;
  session.lastTime = sample.time;
  if (shown_ == sessions_.size() - 1)
    showSample(sample, lineOffset);
}

void SessionLogModel::showSample(const Sample& sample, std::uint64_t lineOffset) {
  if (shownSamples_ % kCheckpointEvery == 0)
    checkpoints_.push_back(lineOffset);
  ++shownSamples_;
  series_.append(sample);
  newSamples_ = true;
}

void SessionLogModel::lineSkipped() {
  if (sessions_.empty())
    ++skippedBeforeFirst_;
  else
    ++sessions_.back().skippedLines;
}

std::uint64_t SessionLogModel::sessionEnd(std::size_t index) const {
  return index + 1 < sessions_.size() ? sessions_[index + 1].start : reader_->completeLinesEnd();
}

void SessionLogModel::showSession(std::size_t index) {
  if (index >= sessions_.size())
    return;
  showingLast_ = index + 1 == sessions_.size();
  shown_ = index;
  checkpoints_.clear();
  shownSamples_ = 0;
  series_.clear();
  SampleVisitor visitor([this](const Sample& sample, std::uint64_t offset) { showSample(sample, offset); });
  LogReader reader(visitor, sessions_[index].start);
  readRange(path(), sessions_[index].start, sessionEnd(index), kSessionChunk, reader, [] { return false; });
}

std::optional<std::array<std::string, 5>> SessionLogModel::loggedFields(std::size_t sample) const {
  if (sample >= shownSamples_)
    return std::nullopt;
  const std::uint64_t checkpoint = checkpoints_[sample / kCheckpointEvery];
  std::size_t toSkip = sample % kCheckpointEvery;
  std::optional<std::uint64_t> found;
  SampleVisitor visitor([&](const Sample&, std::uint64_t offset) {
    if (!found && toSkip-- == 0)
      found = offset;
  });
  LogReader reader(visitor, checkpoint);
  readRange(path(), checkpoint, sessionEnd(shown_), kLookupChunk, reader, [&] { return found.has_value(); });
  if (!found)
    return std::nullopt;

  std::ifstream file(path(), std::ios::binary);
  file.seekg(static_cast<std::streamoff>(*found));
  std::string line(LogReader::kLongestLine, '\0');
  file.read(line.data(), static_cast<std::streamsize>(line.size()));
  line.resize(static_cast<std::size_t>(file.gcount()));
  line.resize(std::min(line.find_first_of("\r\n"), line.size()));
  const Sample read = parseSessionLogLine(line).sample;
  return std::array<std::string, 5>{logTimeText(read.time), logValueText(static_cast<float>(read.frequency)),
                                    logValueText(static_cast<float>(read.current)),
                                    logValueText(static_cast<float>(read.currentPercent)),
                                    logValueText(static_cast<float>(read.dcLink))};
}

std::string SessionLogModel::problem() const {
  const std::string& name = path();
  if (status_ == FileUpdate::Status::Missing)
    return name + " does not exist.";
  if (status_ == FileUpdate::Status::Failed)
    return name + " cannot be shown: " + failure_ + ".";
  std::size_t samples = 0;
  std::size_t skipped = skippedBeforeFirst_;
  for (const SessionSummary& session : sessions_) {
    samples += session.samples;
    skipped += session.skippedLines;
  }
  if (samples > 0)
    return {};
  if (follower_.size() == 0)
    return name + " is empty.";
  if (skipped == 0)
    return "The session in " + name + " has no samples yet.";
  return name + " holds no sample lines (" + std::to_string(skipped) +
         " lines skipped). A sample line holds five numbers separated by commas, with \".\" as the decimal "
         "point.";
}

double SessionLogModel::progress() const {
  return follower_.size() == 0 ? 1.0
                               : static_cast<double>(follower_.position()) / static_cast<double>(follower_.size());
}

} // namespace orvane
