// Plays arbitrary bytes as the drive's replies to one of the link's procedures: any length, any
// content, early, split or too late. Besides what the sanitizers catch, a memory read must give
// either the failure value with the communications message, or exactly the value its bytes carry;
// a display text or trip history read, written as the logger writes a trip, gives one status line
// of printable bytes and one printable Events.CSV line whose text is no spreadsheet formula.

#include "acquisition/acquisition.h"
#include "acquisition/display_text.h"
#include "fakes/fake_line.h"
#include "link/link.h"
#include "link/models.h"
#include "link/panel_exchanges.h"
#include "logger/event_log.h"
#include "logger/status_lines.h"
#include "logger/trip_history_lines.h"
#include "monitor/identification.h"
#include "monitor/platform_acquisition_events.h"
#include "monitor/trip_watch.h"
#include "monitor/ui_thread.h"
#include "session_log/log_folder.h"
#include "trips/trip_history_show.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <fuzzer/FuzzedDataProvider.h>
#include <unistd.h>

namespace {

using namespace orvane;
using namespace orvane::testing;

constexpr std::array<const char*, 5> kModels{model::kSingleCompact, model::kVector, model::kMk410, model::kProfi,
                                             model::kUnknown};

// Every send is answered from the input: a control byte (bits 0-5 the length, bit 6 a reply after
// the 2-second limit, bit 7 a reply in two pieces 10 ms apart), then that many bytes.
ScriptedSerialPort::Responder replyFrom(FuzzedDataProvider& input) {
  return [&input](const Bytes&) {
    std::vector<ScriptedSerialPort::Reply> replies;
    if (input.remaining_bytes() == 0)
      return replies;
    const auto control = input.ConsumeIntegral<std::uint8_t>();
    Bytes bytes = input.ConsumeBytes<std::uint8_t>(control & 0x3F);
    const Clock::Duration delay = (control & 0x40) != 0 ? std::chrono::milliseconds(2100) : Clock::Duration{};
    if ((control & 0x80) != 0 && bytes.size() > 1) {
      const auto half = static_cast<std::ptrdiff_t>(bytes.size() / 2);
      replies.push_back({Bytes(bytes.begin(), bytes.begin() + half), delay});
      replies.push_back({Bytes(bytes.begin() + half, bytes.end()), delay + std::chrono::milliseconds(10)});
    } else {
      replies.push_back({std::move(bytes), delay});
    }
    return replies;
  };
}

struct Drive : FakeLine {
  explicit Drive(FuzzedDataProvider& input) {
    port.setResponder(replyFrom(input));
    state.drive.inverter = kModels[input.ConsumeIntegralInRange<std::size_t>(0, kModels.size() - 1)];
  }

  SharedState state;
};

void checkMemoryRead(FuzzedDataProvider& input, Drive& drive) {
  const auto address = input.ConsumeIntegral<std::uint16_t>();
  const auto length = input.ConsumeIntegralInRange<std::int16_t>(1, 4);
  const auto divisor = input.PickValueInArray<std::int16_t>({1, 10, 100, 1000});
  const LinkResult<double> value = drive.link.read(address, length, divisor);
  if (!drive.messages.shown.empty())
    std::abort();
  if (!value)
    return;
  // The division may round in the last place, so the bytes' number is recovered within 1e-9.
  const double raw = *value * divisor;
  const double tolerance = 1e-9 * std::max(1.0, raw);
  const double largest = std::ldexp(1.0, 8 * length) - 1;
  if (readFailed(*value) || raw < -tolerance || raw > largest + tolerance ||
      std::abs(raw - std::round(raw)) > tolerance)
    std::abort();
}

const std::filesystem::path eventFolder =
    (std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path()) /
    ("orvane-fuzz-events-" + std::to_string(getpid()));

void removeEventFolder() { std::filesystem::remove_all(eventFolder); }

struct EpochClock final : WallClock {
  TimePoint now() const override { return {}; }
};

// Written as the logger writes a trip: a status line and an Events.CSV line a text, both of printable
// bytes, the event's text (after "<clock time>,Trend.CSV,trip,", perhaps quoted) never a formula.
void checkLoggedTexts(const std::vector<std::string>& texts) {
  std::filesystem::remove(eventFolder / EventLog::kFileName);
  EventLog events;
  char* status = nullptr;
  std::size_t statusSize = 0;
  std::FILE* out = open_memstream(&status, &statusSize);
  LogFolder folder;
  if (folder.open(eventFolder) != 0 || events.open(folder) != 0)
    std::abort();
  for (const std::string& text : texts) {
    StatusLines(out, StatusLines::Detail::Normal, EpochClock()).report("trip", text);
    events.write({}, "Trend.CSV", "trip", text, {});
  }
  std::fclose(out);
  std::ifstream file(eventFolder / EventLog::kFileName);
  const std::string eventLines(std::istreambuf_iterator<char>(file), {});
  const std::string written = std::string(status, statusSize) + eventLines;
  std::free(status);
  if (std::ranges::count(written, '\n') != static_cast<long>(2 * texts.size() + 1) ||
      !std::ranges::all_of(written, [](char c) { return (c >= 0x20 && c <= 0x7E) || c == '\r' || c == '\n'; }))
    std::abort();
  for (std::size_t line = eventLines.find('\n'); line + 1 < eventLines.size();
       line = eventLines.find('\n', line + 1)) {
    const std::size_t text = eventLines.find(",trip,", line) + 6;
    if (std::string_view("=+-@").find(eventLines[text + (eventLines[text] == '"' ? 1 : 0)]) !=
        std::string_view::npos)
      std::abort();
  }
}

TickPlan everythingOf(const std::string& model) { return {model, 2, true, true, true, true, true, true, true}; }

void runProcedure(FuzzedDataProvider& input, Drive& drive) {
  std::int16_t OK = 0;
  Link& link = drive.link;
  SharedState& state = drive.state;
  SameThread ui;
  PlatformAcquisitionEvents events{link, ui};
  Acquisition acquisition{link, events};
  PanelExchanges panel{link};
  TripWatch watch{state, link, acquisition, ui, [] {}};
  TripHistoryRead history{link};
  TripHistoryForm window;

  switch (input.ConsumeIntegralInRange(0, 13)) {
  case 0:
    return checkMemoryRead(input, drive);
  case 1:
    return Identification{state, link, acquisition, ui, [] {}}.CheckInverter(OK);
  case 2:
    if (const auto text = acquisition.readDisplay(state.drive.inverter); text && *text)
      checkLoggedTexts({trimmedDisplay(**text)});
    return;
  case 3:
    acquisition.tick(everythingOf(state.drive.inverter));
    return;
  case 4:
    return watch.resetmenu_Click();
  case 5:
    panel.stepPanelForward();
    return;
  case 6:
    panel.resetPanel();
    return;
  case 7:
    panel.displayText();
    return;
  case 8:
    panel.panelBlock();
    return;
  case 9:
    return showTripHistory(link, history.read(state.drive.inverter), state.drive.inverter, window, OK, [] {});
  case 10:
    if (const TripHistory read = history.read(state.drive.inverter); !read.failure)
      checkLoggedTexts(tripHistoryLines(read, state.drive.inverter));
    return;
  case 11:
    acquisition.readMaxSpeed(state.drive.inverter);
    return;
  case 12:
    acquisition.readVoltCode(state.drive.inverter);
    return;
  default:
    acquisition.writeStartOfMonitoring(state.drive.inverter);
    return;
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  std::filesystem::create_directories(eventFolder);
  return std::atexit(removeEventFolder);
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  Drive drive(input);
  runProcedure(input, drive);
  return 0;
}
