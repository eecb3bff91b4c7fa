#include "fakes/engine_line.h"
#include "fakes/file_size_limit.h"
#include "fakes/mosquitto_broker.h"
#include "fakes/notify_socket.h"
#include "fakes/recording_acquisition_events.h"
#include "logger/event_log.h"
#include "logger/logger_drive.h"
#include "logger/publisher_status_lines.h"
#include "logger/repeated_status.h"
#include "logger/unattended_logger.h"
#include "logger_rig.h"
#include "platform/number_text.h"
#include "publish/session_publishing.h"
#include "session_log/log_folder.h"
#include "session_log/session_log_format.h"

#include <gtest/gtest.h>
#include <malloc.h>

#ifdef __has_feature
#if __has_feature(address_sanitizer)
#include <sanitizer/allocator_interface.h>
#define ORVANE_HEAP_FROM_SANITIZER
#endif
#endif

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::EngineLine;
using testing::FixedZone;
using testing::FollowingWallClock;
using testing::readFile;
using testing::ScriptedStop;
using testing::TemporaryFolder;

// 10:00:00 UTC on 6 December 2026.
constexpr std::time_t kStart = 1796551200;

const char* const kMk410 = R"({"model": "mk410", "frequency": 50, "current": 8.3})";
const char* const kVector = R"({"model": "vector", "frequency": 45})";

// The kinds of event a consumer (the publisher) is told of.
struct HeardEvents final : SessionConsumer {
  void identified(const SessionDrive&) override {}
  void sampled(WallTime, double, const Reading&) override {}
  void happened(WallTime, const SessionEvent& event) override { kinds.push_back(event.kind); }
  void linkCounted(const LinkHealth&, Clock::Duration) override {}
  std::vector<SessionEvent::Kind> kinds;
};

// One run of the logger on the fake line and clock, the drive and its faults scripted by time.
struct FaultRun {
  explicit FaultRun(Clock::Duration stopAt, std::vector<Limit> watched = {}, int rateTenths = 5)
      : stop(line.clock, stopAt), limits(std::move(watched)), rateTenths(rateTenths) {}
  ~FaultRun() {
    std::fclose(statusFile);
    std::free(statusText);
  }
  // The kind of each status line; the link's counts have a test of their own.
  std::vector<std::string> statusKinds(bool withLink = false) {
    std::fflush(statusFile);
    std::vector<std::string> kinds;
    std::istringstream lines(std::string(statusText, statusSize));
    for (std::string line; std::getline(lines, line);) {
      const std::size_t kind = line.find(' ', line.find(' ') + 1) + 1;
      if (std::string said = line.substr(kind, line.find(':', kind) - kind); withLink || said != "link")
        kinds.push_back(std::move(said));
    }
    return kinds;
  }

  // The drive at the far end from now on; `silentAfter` host frames are answered, then none; each
  // reply `latency` late.
  void connect(const char* scenario, std::optional<int> silentAfter = {}, std::chrono::milliseconds latency = {}) {
    connectedAt = line.clock.now();
    sim::EngineOptions options;
    options.silentAfterFrames = silentAfter;
    options.latency = latency;
    line.connect(scenario, options);
  }
  // The device goes away: nothing answers and it cannot be opened.
  void unplug() {
    line.port.setResponder({});
    line.port.failOpenWith("No such file or directory");
  }
  // A person presses STOP/RESET on the drive's own panel.
  void resetAtThePanel() {
    for (const Bytes& frame : {Bytes{1, 0x23, 5, 0, 0x26}, Bytes{2, 2, 0, 0, 0, 4, 6}, Bytes{6}})
      line.engine->feed(frame, line.clock.now() - connectedAt);
  }

  EngineLine line;
  Clock::Duration connectedAt{};
  FollowingWallClock wall{line.clock, kStart};
  ScriptedStop stop;
  TemporaryFolder folder;
  // In memory: a file size limit that stands for a full disk must not silence the status.
  char* statusText = nullptr;
  std::size_t statusSize = 0;
  std::FILE* statusFile = open_memstream(&statusText, &statusSize);
  StatusLines status{statusFile, StatusLines::Detail::Normal, wall};
  testing::RecordingAcquisitionEvents heard;
  LoggerDrive drive{line.link, heard, LoggedQuantities{}};
  LimitWatch limits;
  int rateTenths;
  testing::NotifySocket serviceManager{folder.path() + "/notify"};
  ServiceNotifier notifier{serviceManager.path().c_str()};
  HeardEvents published;

  // Records until the scripted stop and gives the exit code; the consumer is `published` unless
  // another is given.
  int record(SessionConsumer* consumer = nullptr) {
    UnattendedLogger logger{
        {drive, line.clock, wall, stop, status, consumer ? consumer : &published, &limits, &notifier},
        {folder.path() + "/logs", rateTenths, "/dev/fake1"}};
    return logger.run();
  }
};

// Of each line of `path`, the part from column `column` (split at commas) on; the link's counts
// only when asked.
std::vector<std::string> columnsFrom(const std::string& path, int column, bool withLinkHealth = false) {
  std::vector<std::string> parts;
  for (const std::string& line : testing::linesOf(path)) {
    if (!withLinkHealth && line.find(",link health,") != std::string::npos)
      continue;
    std::size_t at = 0;
    for (int skipped = 0; skipped < column; ++skipped)
      at = line.find(',', at) + 1;
    parts.push_back(line.substr(at));
  }
  return parts;
}

// The time column of every sample line of each session file, in the order of the file names.
std::vector<std::vector<std::string>> sessionTimes(const std::string& folder) {
  std::vector<std::vector<std::string>> files;
  for (const std::string& name : testing::fileNames(folder)) {
    if (!name.starts_with("Trend-"))
      continue;
    const std::vector<std::string> lines = testing::linesOf(folder + "/" + name);
    EXPECT_EQ(lines.empty() ? "(empty)" : lines.front(), kSessionLogHeader) << name;
    std::vector<std::string> times;
    for (std::size_t at = 1; at < lines.size(); ++at)
      times.push_back(lines[at].substr(0, lines[at].find(',')));
    files.push_back(times);
  }
  return files;
}

std::vector<std::string> grid(double from, double to) {
  std::vector<std::string> times;
  for (double time = from; time <= to; time += 0.5)
    times.push_back(plainText(time));
  return times;
}

// Every frame the logger sent was a read, or one of the panel keys that identification steps the
// panel with: no reset, no write of a setting.
void expectReadsAndPanelKeysOnly(const std::vector<Bytes>& sends) {
  for (std::size_t at = 0; at + 1 < sends.size(); ++at) {
    if (sends[at].size() != 5 || sends[at][0] != 0x01)
      continue;
    const std::uint8_t command = sends[at][1];
    EXPECT_TRUE(command == 0x05 || command == 0x0A || command == 0x24 || command == 0x09) << int(command);
    if (command == 0x09) {
      EXPECT_TRUE(sends[at + 1][4] != 0x00 && sends[at + 1][5] == 0x00) << "a write other than a panel key";
    }
  }
}

struct FaultCase {
  const char* name;
  Clock::Duration stopAt;
  std::function<void(FaultRun&)> script;
  std::vector<std::vector<std::string>> sessionTimes;
  std::vector<std::string> statusKinds;
  std::vector<std::string> events;
  std::vector<Limit> limits;
};

TEST(LoggerFaultsTest, eachFaultLeavesItsFilesEventsAndStatusAndTheRecordingGoesOn) {
  const FixedZone zone("UTC0");
  const std::vector<FaultCase> cases{
      {"silence in the middle of a tick",
       60s,
       [](FaultRun& run) {
         // Identification and start reads take 18 frames, a tick 6: the fourth tick's value
         // read gets its command frame answered and then nothing.
         run.connect(kMk410, 18 + 3 * 6 + 4);
         run.stop.at(30s, [&run] { run.connect(kMk410); });
       },
       {{"0", "0.5", "1"}, grid(0, 25)},
       {"start", "identified", "session", "failure", "identified", "reconnected", "session", "end"},
       {},
       {}},
      {"silence while the panel is probed",
       40s,
       [](FaultRun& run) {
         run.connect(kVector, 10);
         run.stop.at(20s, [&run] { run.connect(kVector); });
       },
       {grid(0, 18.5)},
       {"start", "failure", "identified", "reconnected", "session", "end"},
       {},
       {}},
      {"device vanishing and returning",
       120s,
       [](FaultRun& run) {
         run.connect(kMk410);
         run.stop.at(10s, [&run] { run.unplug(); });
         run.stop.at(100s, [&run] {
           run.line.port.allowOpen();
           run.connect(kMk410);
         });
       },
       {grid(0, 9.5), grid(0, 6.5)},
       {"start", "identified", "session", "failure", "identified", "reconnected", "session", "end"},
       {},
       {}},
      {"unknown drive, then a known one",
       50s,
       [](FaultRun& run) {
         run.connect(R"({"model": "unknown"})");
         run.stop.at(30s, [&run] { run.connect(kVector); });
       },
       {grid(0, 4.5)},
       {"start", "failure", "identified", "reconnected", "session", "end"},
       {},
       {}},
      {"trip, then cleared at the drive, a limit held through it",
       15s,
       [](FaultRun& run) {
         run.connect(R"({"model": "mk410", "frequency": 50, "current": 8.3, "percent": 50,
                         "trips": [{"at": 2.2, "code": 7, "text": "ERR E07 OVERVOLT"}]})");
         run.stop.at(10s, [&run] { run.resetAtThePanel(); });
       },
       {[] {
         std::vector<std::string> times = grid(0, 2);
         const std::vector<std::string> after = grid(10, 14.5);
         times.insert(times.end(), after.begin(), after.end());
         return times;
       }()},
       {"start", "identified", "session", "limit", "trip", "trip cleared", "end"},
       {"limit,fast: frequency_hz 50 > 40 for 1 s", "trip,ERR E07 OVERVOLT PRESS STOP/RESET",
        "trip history,Total trips: 1",
        "trip history,\"Last Trip: Over Voltage from Regeneration, 50 Hz, 50 %, 325 Vdc, 40 Hours\"",
        "trip cleared,50.00Hz FWD 8.3A   325Vdc"},
       // Raised once while the drive runs above it, and not again after the trip's pause.
       {{"fast", LimitQuantity::FrequencyHz, Limit::Side::Above, 40, 1, 0}}},
  };
  for (const FaultCase& entry : cases) {
    FaultRun run(entry.stopAt, entry.limits);
    entry.script(run);
    EXPECT_EQ(run.record(), 0) << entry.name;
    EXPECT_EQ(sessionTimes(run.folder.path() + "/logs"), entry.sessionTimes) << entry.name;
    EXPECT_EQ(run.statusKinds(), entry.statusKinds) << entry.name;
    std::vector<std::string> events = columnsFrom(run.folder.path() + "/logs/Events.CSV", 2);
    events.erase(events.begin()); // the header
    EXPECT_EQ(events, entry.events) << entry.name;
    EXPECT_FALSE(run.line.port.isOpen()) << entry.name;
    expectReadsAndPanelKeysOnly(run.line.port.sends);
  }
}

// The drive's display and what reaches the journal or a spreadsheet: a line feed in it cannot forge
// a status line, and a text a spreadsheet would evaluate is kept as text.
TEST(LoggerFaultsTest, untrustedDisplayTextForgesNoStatusLineAndNoSpreadsheetFormula) {
  const FixedZone zone("UTC0");
  FaultRun run(5s);
  run.connect(R"({"model": "mk410", "trips": [{"at": 1, "code": 7, "text": "ERR\nend: forged"}]})");
  EXPECT_EQ(run.record(), 0);
  EXPECT_EQ(run.statusKinds(), (std::vector<std::string>{"start", "identified", "session", "trip", "end"}));
  EXPECT_NE(std::string(run.statusText, run.statusSize)
                .find("trip: ERR\\x0aend: forged PRESS STOP/RESET; logging paused until the trip is cleared"),
            std::string::npos);
  LogFolder folder;
  ASSERT_EQ(folder.open(run.folder.path()), 0);
  EventLog events;
  ASSERT_EQ(events.open(folder), 0);
  for (const char* text : {"=HYPERLINK(\"http://x\")", "+1", "-2+3", "@SUM(A1)", "\tx", "1-2", "ERR\x1b[2J\xdf"})
    events.write(run.wall.now(), "Trend.CSV", "trip", text, 0s);
  EXPECT_EQ(columnsFrom(run.folder.path() + "/Events.CSV", 3),
            (std::vector<std::string>{"Text", "\"'=HYPERLINK(\"\"http://x\"\")\"", "'+1", "'-2+3", "'@SUM(A1)",
                                      "'\\x09x", "1-2", "ERR\\x1b[2J\\xdf"}));
}

// A disk full for a minute (a file size limit no file of the folder fits under) is a file's fault,
// not the drive's: no second identification, what was written stays whole, no empty file is left,
// and every sample is in a file or counted unwritten. A disk that takes a new file's header but
// not its first line says the same: its tries every 10 s are one repeated fault.
TEST(LoggerFaultsTest, aFullDiskEndsTheFileNotTheSessionAndCountsEverySampleItCouldNotWrite) {
  for (const int bytesAllowed : {30, 70}) {
    SCOPED_TRACE(bytesAllowed);
    const FixedZone zone("UTC0");
    FaultRun run(120s);
    run.connect(kMk410);
    std::optional<testing::FileSizeLimit> full;
    run.stop.at(10s, [&full, bytesAllowed] { full.emplace(bytesAllowed); });
    run.stop.at(70s, [&full] { full.reset(); });
    EXPECT_EQ(run.record(), 0);
    const std::string logs = run.folder.path() + "/logs";
    EXPECT_EQ(sessionTimes(logs), (std::vector{grid(0, 9.5), grid(0, 49.5)}));
    EXPECT_EQ(testing::fileNames(logs),
              (std::vector<std::string>{".orvane-logger.lock", "Events.CSV", "Trend-2026-12-06_10-00-00+0000.CSV",
                                        "Trend-2026-12-06_10-01-10+0000.CSV"}));
    EXPECT_EQ(run.statusKinds(), (std::vector<std::string>{"start", "identified", "session", "failure",
                                                           "file fault", "file fault", "session", "end"}));
    const std::string status(run.statusText, run.statusSize);
    EXPECT_NE(status.find("120 samples could not be written\n"), std::string::npos) << status;
    EXPECT_NE(readFile(logs + "/Events.CSV")
                  .find(",recording resumed,recording again after the session file "
                        "Trend-2026-12-06_10-00-00+0000.CSV cannot be written: File too "
                        "large; 120 samples could not be written\r\n"),
              std::string::npos);
  }
}

// A session file renamed away, Events.CSV renamed, and the next session file deleted under the
// running logger: each is noticed at the next sync, said, and recording goes on in new files.
TEST(LoggerFaultsTest, filesRenamedOrDeletedUnderItAreNoticedAndRecordingGoesOnInNewFiles) {
  const FixedZone zone("UTC0");
  FaultRun run(60s);
  run.connect(kMk410);
  const std::string logs = run.folder.path() + "/logs";
  run.stop.at(15s, [&logs] {
    std::filesystem::rename(logs + "/Trend-2026-12-06_10-00-00+0000.CSV", logs + "/kept.CSV");
    std::filesystem::rename(logs + "/Events.CSV", logs + "/Events-old.CSV");
  });
  run.stop.at(35s, [&logs] { std::filesystem::remove(logs + "/Trend-2026-12-06_10-00-20+0000.CSV"); });
  EXPECT_EQ(run.record(), 0);
  EXPECT_EQ(testing::fileNames(logs),
            (std::vector<std::string>{".orvane-logger.lock", "Events-old.CSV", "Events.CSV",
                                      "Trend-2026-12-06_10-00-40+0000.CSV", "kept.CSV"}));
  EXPECT_EQ(testing::linesOf(logs + "/kept.CSV").size(), 41u); // every sample until it was noticed
  EXPECT_EQ(sessionTimes(logs), std::vector<std::vector<std::string>>{grid(0, 19.5)});
  std::vector<std::string> events;
  for (const std::string& line : columnsFrom(logs + "/Events.CSV", 2))
    events.push_back(line.substr(line.find(',') + 1, 22));
  EXPECT_EQ(events, (std::vector<std::string>{"Text", "Events.CSV was renamed", "the session file Trend",
                                              "recording again after ", "the session file Trend",
                                              "recording again after "}));
}

// The wall clock set an hour forward, then 30 s back, under a running logger: each step ends the
// file, the next begins under the true time, and Events.CSV gives both times.
TEST(LoggerFaultsTest, aSteppedWallClockStartsANewFileUnderTheTrueTimeWithAnEvent) {
  const FixedZone zone("UTC0");
  FaultRun run(60s);
  run.connect(kMk410);
  run.stop.at(20s, [&run] { run.wall.step(3600s); });
  run.stop.at(40s, [&run] { run.wall.step(-30s); });
  EXPECT_EQ(run.record(), 0);
  const std::string logs = run.folder.path() + "/logs";
  EXPECT_EQ(
      testing::fileNames(logs),
      (std::vector<std::string>{".orvane-logger.lock", "Events.CSV", "Trend-2026-12-06_10-00-00+0000.CSV",
                                "Trend-2026-12-06_11-00-10+0000.CSV", "Trend-2026-12-06_11-00-20+0000.CSV"}));
  EXPECT_EQ(sessionTimes(logs), (std::vector{grid(0, 19.5), grid(0, 19.5), grid(0, 19.5)}));
  const std::vector<std::string> events = columnsFrom(logs + "/Events.CSV", 2);
  ASSERT_EQ(events.size(), 5u);
  EXPECT_EQ(events[1], "clock changed,the clock went from 2026-12-06 10:00:20 +0000 to 2026-12-06 11:00:20 +0000");
  EXPECT_EQ(events[3], "clock changed,the clock went from 2026-12-06 11:00:40 +0000 to 2026-12-06 11:00:10 +0000");
  EXPECT_EQ(std::ranges::count(run.published.kinds, SessionEvent::Kind::clockChanged), 2);
}

// The service manager hears READY=1, the drive and file, and a watchdog ping from every tick; a
// tick stuck on a silent drive pings no more until the loop goes round again.
TEST(LoggerFaultsTest, theWatchdogHearsFromEveryTickAndFallsSilentWhileATickIsStuck) {
  const FixedZone zone("UTC0");
  FaultRun run(60s);
  std::vector<std::string> messages;
  std::vector<Clock::Duration> pings;
  const auto listen = [&run, &messages, &pings] {
    for (std::string& message : run.serviceManager.received()) {
      if (message == "WATCHDOG=1")
        pings.push_back(run.line.clock.now() - run.connectedAt);
      else
        messages.push_back(std::move(message));
    }
  };
  run.connect(kMk410);
  run.line.port.setResponder([listen, drive = run.line.port.responder()](const Bytes& sent) {
    listen();
    return drive(sent);
  });
  run.stop.at(10s, [&run, listen] {
    run.line.port.setResponder([listen](const Bytes&) {
      listen();
      return std::vector<testing::ScriptedSerialPort::Reply>{};
    });
  });
  EXPECT_EQ(run.record(), 0);
  listen();
  ASSERT_GE(messages.size(), 3u);
  EXPECT_EQ(messages[0], "READY=1");
  EXPECT_EQ(messages[2], "STATUS=recording MK410 on /dev/fake1 into Trend-2026-12-06_10-00-00+0000.CSV");
  EXPECT_EQ(messages.back(), "STOPPING=1");
  const auto stuck = std::find_if(pings.begin(), pings.end(), [](Clock::Duration at) { return at > 10s; });
  ASSERT_TRUE(stuck != pings.begin() && stuck != pings.end());
  for (auto ping = pings.begin() + 1; ping != stuck; ++ping)
    EXPECT_EQ(*ping - *(ping - 1), 500ms);
  EXPECT_GT(*stuck - *(stuck - 1), 20s); // the read's time-out and the display read's four retries
}

// The engine answers a tick in milliseconds; a week of ticks takes the answers it gave once, keyed by
// the frame and the one before it (a reply depends on the command the frame follows).
void answerFromMemory(FaultRun& run) {
  auto answer = run.line.port.responder();
  run.line.port.setResponder([&run, answer,
                              memory = std::map<std::string, std::vector<testing::ScriptedSerialPort::Reply>>(),
                              previous = std::string()](const Bytes& sent) mutable {
    // Text keys: gcc 12 at -O2 takes the byte vectors' comparison for an overread (a false alarm).
    std::string key = previous;
    previous.assign(sent.begin(), sent.end());
    key += previous;
    run.line.port.sends.clear(); // the fake's record of a week of frames is not the logger's memory
    const auto [at, fresh] = memory.try_emplace(key);
    if (fresh)
      at->second = answer(sent);
    return at->second;
  });
}

// The bytes the heap holds for the program (under ASan, without what its quarantine keeps of freed blocks).
std::size_t heapInUse() {
#ifdef ORVANE_HEAP_FROM_SANITIZER
  return __sanitizer_get_current_allocated_bytes();
#else
  return mallinfo2().uordblks;
#endif
}

// What the kernel says of this process's memory: "VmRSS" or "VmHWM", in kB.
long memoryKilobytes(const std::string& field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(field + ":"))
      return std::stol(line.substr(field.size() + 1));
  return -1;
}

// A week under Central European time from 21 October 2026 (the autumn change on the 25th, seven
// midnights), the clock stepped three times, the disk full for an hour and the broker away for two
// days: every sample is in a file or counted unwritten, the status lines stay few, and the memory
// stops growing after the first days. Ticks every 30 s here; ORVANE_WEEK_TICK_TENTHS=5 runs the
// week at 0.5 s (some minutes in a Release build) and prints its figures.
TEST(LoggerFaultsTest, aWeekOfClockStepsAFullDiskAndABrokerAwayLosesNoSampleUnsaidAndHoldsItsMemory) {
  const FixedZone zone("CET-1CEST,M3.5.0,M10.5.0/3");
  constexpr auto kWeek = std::chrono::hours(24 * 7);
  const char* tenths = std::getenv("ORVANE_WEEK_TICK_TENTHS");
  const int tickTenths = tenths ? std::atoi(tenths) : 300;
  setenv("TMPDIR", "/dev/shm", 1); // a week of syncs in memory, not on the disk
  FaultRun run(kWeek, {}, tickTenths);
  unsetenv("TMPDIR");
  std::filesystem::create_directories(run.folder.path() + "/broker");
  testing::MosquittoBroker broker(run.folder.path() + "/broker");
  const BrokerSettings settings{false, "127.0.0.1", broker.port(), {}, "plant", {}, {}};
  Publisher publisher(settings, {tickTenths / 10.0, 1ms, 50ms});
  RepeatedStatus mqttStatus(run.status, run.line.clock);
  PublisherStatusLines publisherStatus(publisher, settings, mqttStatus);
  SessionPublishing publishing(publisher, [&publisherStatus] { publisherStatus.look(); });
  run.wall.step(std::chrono::seconds(1792576800 - kStart));
  run.connect(kMk410);
  run.stop.at(1min, [&run] { answerFromMemory(run); });
  run.stop.at(26h, [&run] { run.wall.step(3600s); });
  run.stop.at(75h, [&run] { run.wall.step(-30s); });
  run.stop.at(122h, [&run] { run.wall.step(120s); });
  std::optional<testing::FileSizeLimit> full;
  run.stop.at(100h, [&full] { full.emplace(30); });
  run.stop.at(101h, [&full] { full.reset(); });
  run.stop.at(30h, [&broker] { broker.stop(); });
  run.stop.at(78h, [&broker] { broker.start(); });
  std::size_t heapOnDay2 = 0;
  run.stop.at(48h, [&heapOnDay2] { heapOnDay2 = heapInUse(); });
  long residentInTheMiddle = 0;
  run.stop.at(84h, [&residentInTheMiddle] { residentInTheMiddle = memoryKilobytes("VmRSS"); });
  const long residentAtStart = memoryKilobytes("VmRSS");
  EXPECT_EQ(run.record(&publishing), 0);
  EXPECT_LT(heapInUse(), heapOnDay2 + 256 * 1024);
  const long residentAtEnd = memoryKilobytes("VmRSS"), residentAtMost = memoryKilobytes("VmHWM");

  std::size_t written = 0;
  for (const std::vector<std::string>& file : sessionTimes(run.folder.path() + "/logs"))
    written += file.size();
  const std::string status(run.statusText, run.statusSize);
  const std::size_t unwrittenAt = status.rfind(" samples could not be written"); // the end line's total
  ASSERT_NE(unwrittenAt, std::string::npos);
  const std::size_t unwritten = std::stoul(status.substr(status.rfind(' ', unwrittenAt - 1) + 1));
  EXPECT_EQ(written + unwritten, static_cast<std::size_t>(kWeek / (tickTenths * 100ms))) << status;
  EXPECT_LT(run.statusKinds().size(), 500u) << status;
  EXPECT_NE(status.find("mqtt: publishing to"), status.rfind("mqtt: publishing to")) << "reached again";
  std::cout << "a week at " << plainText(tickTenths / 10.0) << " s: " << written << " samples written, "
            << unwritten << " counted unwritten, " << run.statusKinds(true).size()
            << " status lines; resident at the start, in the middle, at the end: " << residentAtStart << ", "
            << residentInTheMiddle << ", " << residentAtEnd << " kB, at most " << residentAtMost << " kB\n";
}

// The link's counts reach the journal at most once a minute and only when its faults changed (a
// healthy minute says nothing: each unplugging's time-outs make one line), and Events.CSV at each
// session's end. The unplugged drive's seven tries, some 5 s apart, make two failure lines, the
// second with the count; a failure after the drive answered again is said at once.
TEST(LoggerFaultsTest, theLinksCountsAndTheDrivesFailuresAreSaidAtMostOnceAMinute) {
  const FixedZone zone("UTC0");
  FaultRun run(330s);
  run.connect(kMk410);
  run.stop.at(90s, [&run] { run.unplug(); });
  run.stop.at(240s, [&run] {
    run.line.port.allowOpen();
    run.connect(kMk410);
  });
  run.stop.at(270s, [&run] { run.unplug(); });
  EXPECT_EQ(run.record(), 0);
  const std::vector<std::string> kinds = run.statusKinds(true);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "link"), 2);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "failure"), 3);
  const std::string status(run.statusText, run.statusSize);
  EXPECT_NE(status.find(" times in the last "), std::string::npos) << status;
  EXPECT_EQ(status.find(" times in the last "), status.rfind(" times in the last ")) << status;
  const std::vector<std::string> events = columnsFrom(run.folder.path() + "/logs/Events.CSV", 2, true);
  EXPECT_EQ(std::count_if(events.begin(), events.end(),
                          [](const std::string& event) { return event.starts_with("link health,"); }),
            2);
}

// A drive too slow for the rate skips grid slots at every tick: the link's line comes after the first
// minute, then less often the longer the late ticks go on (at 1, 2, 4, 8 and 16 minutes), not
// once a minute for as long as the logger runs.
TEST(LoggerFaultsTest, lateTicksEveryMinuteAreSaidLessAndLessOften) {
  const FixedZone zone("UTC0");
  FaultRun run(20min);
  run.connect(kMk410, {}, 100ms);
  EXPECT_EQ(run.record(), 0);
  const std::vector<std::string> kinds = run.statusKinds(true);
  EXPECT_EQ(std::count(kinds.begin(), kinds.end(), "link"), 5);
}

// A run state that is no known state keeps the direction before it, as in the window: the
// signed frequency stays forward rather than turning negative.
TEST(LoggerDriveRule, anUnknownRunStateKeepsTheDirectionBeforeIt) {
  EngineLine line;
  line.connect(R"({"model": "vector"})");
  testing::RecordingAcquisitionEvents heard;
  LoggerDrive drive{line.link, heard, LoggedQuantities{.signedFrequency = true}};
  ASSERT_TRUE(drive.connect());
  Reading reading;
  reading.frequency = 25.0f;
  reading.frequencyRunState = 1;
  drive.logged(reading);
  reading.frequencyRunState = 7;
  EXPECT_EQ(drive.logged(reading).frequency, 25.0f);
}

} // namespace
} // namespace orvane
