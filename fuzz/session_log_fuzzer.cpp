// Reads arbitrary bytes as a session log, once whole and once in pieces cut
// where the input's first byte says. Besides what the sanitizers catch: both
// readings find the same sessions, samples and skipped lines, every sample is
// finite, its line (found again by its offset) reads as the same sample, and
// time never runs backwards within a session; and a number read anywhere in
// the input reads as std::from_chars reads it, to the bit.
#include "session_log/decimal_text.h"
#include "session_log/log_reader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using namespace orvane;

struct Event {
  char kind;
  std::uint64_t offset;
  double time;
  bool operator==(const Event&) const = default;
};

class Recorder final : public SessionSink {
public:
  explicit Recorder(std::string_view bytes) : bytes_(bytes) {}
  void sessionStarted(std::uint64_t offset) override {
    events.push_back({'H', offset, 0});
    lastTime_ = -INFINITY;
  }
  void sampleRead(const Sample& sample, std::uint64_t offset) override {
    const std::string_view rest = bytes_.substr(offset);
    const LogLine again = parseSessionLogLine(rest.substr(0, rest.find_first_of("\r\n")));
    const double values[] = {sample.time, sample.frequency, sample.current, sample.currentPercent, sample.dcLink};
    for (double value : values)
      if (!std::isfinite(value))
        std::abort();
    if (again.kind != LineKind::Sample || again.sample.time != sample.time ||
        again.sample.dcLink != sample.dcLink || sample.time < lastTime_)
      std::abort();
    lastTime_ = sample.time;
    events.push_back({'S', offset, sample.time});
  }
  void lineSkipped() override { events.push_back({'X', 0, 0}); }
  std::vector<Event> events;

private:
  std::string_view bytes_;
  double lastTime_ = -INFINITY;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  Recorder whole(bytes);
  LogReader(whole).feed(bytes);

  Recorder pieces(bytes);
  LogReader reader(pieces);
  const std::size_t step = size == 0 ? 1 : 1 + data[0] % 37;
  for (std::size_t at = 0; at < size; at += step)
    reader.feed(bytes.substr(at, step));
  if (pieces.events != whole.events || reader.completeLinesEnd() > size)
    std::abort();

  const char* const text = reinterpret_cast<const char*>(data);
  for (std::size_t at = 0; at < size; ++at) {
    const char* const end = text + std::min<std::size_t>(size, at + 64);
    double quick = 0;
    double reference = 0;
    const std::from_chars_result read = readDecimal(text + at, end, quick);
    const std::from_chars_result expected = std::from_chars(text + at, end, reference);
    if (read.ptr != expected.ptr || read.ec != expected.ec ||
        std::bit_cast<std::uint64_t>(quick) != std::bit_cast<std::uint64_t>(reference))
      std::abort();
  }
  return 0;
}
