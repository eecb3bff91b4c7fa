// Plays arbitrary bytes as the drive's replies to the unattended logger: identification, ticks and the
// trip history, then writes what a trip would leave (the display text, the history's lines) as the
// logger does, to a status line and to Events.CSV. Besides what the sanitizers catch: every status
// line is one line of printable text, and every event line of Events.CSV is printable text whose
// text field a spreadsheet reads as text, never as a formula.

#include "fakes/fake_line.h"
#include "fakes/recording_acquisition_events.h"
#include "live_publish/published_reading.h"
#include "logger/event_log.h"
#include "logger/logger_drive.h"
#include "logger/status_lines.h"
#include "logger/trip_history_lines.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>

namespace {

using namespace orvane;
using namespace orvane::testing;

std::filesystem::path folder;

void removeFolder() { std::filesystem::remove_all(folder); }

class FixedWallClock final : public WallClock {
public:
  TimePoint now() const override { return TimePoint(std::chrono::seconds(1796551200)); }
};

// The same framing of replies as fuzz_drive_replies: a length byte, then that many bytes.
ScriptedSerialPort::Responder replyFrom(FuzzedDataProvider& input) {
  return [&input](const Bytes&) {
    std::vector<ScriptedSerialPort::Reply> replies;
    if (input.remaining_bytes() > 0)
      replies.push_back({input.ConsumeBytes<std::uint8_t>(input.ConsumeIntegral<std::uint8_t>() & 0x3F), {}});
    return replies;
  };
}

bool printable(std::string_view text) {
  return std::ranges::all_of(text, [](char c) { return c >= 0x20 && c <= 0x7E; });
}

// The text field: the fourth, quoted when it holds a comma or a quote.
void checkEventLine(const std::string& line) {
  if (!printable(line))
    std::abort();
  std::size_t at = 0;
  for (int comma = 0; comma < 3; ++comma)
    at = line.find(',', at) + 1;
  const std::string_view text = std::string_view(line).substr(at + (line[at] == '"' ? 1 : 0));
  if (!text.empty() && std::string_view("=+-@").find(text.front()) != std::string_view::npos)
    std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  const std::filesystem::path base =
      std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path();
  std::string name = (base / "orvane-logger-fuzz.XXXXXX").string();
  if (::mkdtemp(name.data()) == nullptr)
    std::abort();
  folder = name;
  std::atexit(removeFolder);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  FakeLine line;
  line.port.setResponder(replyFrom(input));
  RecordingAcquisitionEvents heard;
  LoggerDrive drive(line.link, heard, LoggedQuantities{true, true, true, true});

  std::vector<std::string> texts;
  if (const DriveResult<DriveIdentity> identity = drive.connect()) {
    texts.push_back(identity->model);
    for (int tick = 0; tick < 3; ++tick)
      if (const DriveResult<Reading> reading = drive.tick())
        texts.push_back(trimmedDisplay(reading->displayText.value_or("")));
    if (const DriveResult<TripHistory> history = drive.readTripHistory())
      for (const std::string& text : tripHistoryLines(*history, drive.model()))
        texts.push_back(text);
  }

  char* status = nullptr;
  std::size_t statusSize = 0;
  std::FILE* out = open_memstream(&status, &statusSize);
  const FixedWallClock wall;
  const StatusLines lines(out, StatusLines::Detail::Normal, wall);
  std::filesystem::remove(folder / EventLog::kFileName);
  EventLog events;
  if (events.open(folder.string()) != 0)
    std::abort();
  for (const std::string& text : texts) {
    lines.report("trip", text);
    events.write(wall.now(), "Trend-2026-12-06_10-00-00.CSV", "trip", text, Clock::Duration::zero());
  }
  std::fclose(out);
  const std::string written(status, statusSize);
  std::free(status);
  std::size_t statusLines = 0;
  for (std::size_t start = 0, end; (end = written.find('\n', start)) != std::string::npos; start = end + 1) {
    if (!printable(std::string_view(written).substr(start, end - start)))
      std::abort();
    ++statusLines;
  }
  if (statusLines != texts.size() || !written.ends_with(texts.empty() ? "" : "\n"))
    std::abort();
  std::ifstream file(folder / EventLog::kFileName);
  std::string event;
  std::getline(file, event); // the header
  std::size_t count = 0;
  for (; std::getline(file, event); ++count)
    checkEventLine(event);
  if (count != texts.size())
    std::abort();
  return 0;
}
