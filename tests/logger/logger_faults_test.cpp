#include "fakes/engine_line.h"
#include "fakes/recording_acquisition_events.h"
#include "logger/logger_drive.h"
#include "logger/unattended_logger.h"
#include "logger_rig.h"
#include "monitor/session_log_format.h"
#include "platform/number_text.h"

#include <gtest/gtest.h>

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

// One run of the logger on the fake line and clock, the drive and its faults scripted by time.
struct FaultRun {
  explicit FaultRun(Clock::Duration stopAt) : stop(line.clock, stopAt) {}
  ~FaultRun() {
    std::fclose(statusFile);
    std::free(statusText);
  }

  // The drive at the far end from now on; `silentAfter` host frames are answered, then none.
  void connect(const char* scenario, std::optional<int> silentAfter = {}) {
    sim::EngineOptions options;
    options.silentAfterFrames = silentAfter;
    connectedAt = line.clock.now();
    line.connect(scenario, options);
  }
  // The device goes away: nothing answers and it cannot be opened.
  void unplug() {
    line.port.setResponder({});
    line.port.failOpenWith("No such file or directory");
  }
  // A person presses STOP/RESET on the drive's own panel.
  void resetAtThePanel() {
    for (const Bytes& frame :
         {Bytes{0x01, 0x23, 0x05, 0x00, 0x26}, Bytes{0x02, 0x02, 0x00, 0x00, 0x00, 0x04, 0x06}, Bytes{0x06}})
      line.engine->feed(frame, line.clock.now() - connectedAt);
  }

  int run() {
    UnattendedLogger logger({drive, line.clock, wall, stop, status}, {folder.path(), 5, "/dev/fake1"});
    return logger.run();
  }

  // The kinds of status line, in order ("start", "identified", ...).
  std::vector<std::string> statusKinds() {
    std::fflush(statusFile);
    std::vector<std::string> kinds;
    std::istringstream lines(std::string(statusText, statusSize));
    for (std::string line; std::getline(lines, line);)
      kinds.push_back(line.substr(20, line.find(':', 20) - 20));
    return kinds;
  }
  std::string statusText_() {
    std::fflush(statusFile);
    return {statusText, statusSize};
  }

  EngineLine line;
  Clock::Duration connectedAt{};
  FollowingWallClock wall{line.clock, kStart};
  ScriptedStop stop;
  char* statusText = nullptr;
  std::size_t statusSize = 0;
  std::FILE* statusFile = open_memstream(&statusText, &statusSize);
  StatusLines status{statusFile, StatusLines::Detail::Normal, wall};
  testing::RecordingAcquisitionEvents heard;
  LoggerDrive drive{line.link, heard, LoggedQuantities{}};
  TemporaryFolder folder;
};

// The time column of every sample line of each session file, in file name order.
std::vector<std::vector<std::string>> sessionTimes(const std::string& folder) {
  std::vector<std::vector<std::string>> files;
  for (const std::string& name : testing::fileNames(folder)) {
    if (!name.starts_with("Trend-"))
      continue;
    std::istringstream lines(readFile(folder + "/" + name));
    std::vector<std::string> times;
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, std::string(kSessionLogHeader) + "\r") << name;
    while (std::getline(lines, line))
      times.push_back(line.substr(0, line.find(',')));
    files.push_back(times);
  }
  return files;
}

// Events.CSV without its header, each line from its event column on.
std::vector<std::string> events(const std::string& folder) {
  std::istringstream lines(readFile(folder + "/Events.CSV"));
  std::vector<std::string> found;
  std::string line;
  std::getline(lines, line);
  while (std::getline(lines, line)) {
    const std::size_t file = line.find(',');
    found.push_back(line.substr(line.find(',', file + 1) + 1, line.size() - 1 - line.find(',', file + 1) - 1));
  }
  return found;
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
  for (std::size_t at = 0; at < sends.size(); ++at) {
    const Bytes& frame = sends[at];
    if (frame.size() != 5 || frame[0] != 0x01)
      continue;
    const std::uint8_t command = frame[1];
    EXPECT_TRUE(command == 0x05 || command == 0x0A || command == 0x24 || command == 0x09) << int(command);
    if (command == 0x09 && at + 1 < sends.size()) {
      const Bytes key(sends[at + 1].begin() + 4, sends[at + 1].begin() + 6);
      EXPECT_TRUE(key == Bytes({0x02, 0x00}) || key == Bytes({0x01, 0x00})) << int(key[0]) << " " << int(key[1]);
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
};

TEST(LoggerFaultsTest, eachFaultLeavesItsFilesEventsAndStatusAndTheRecordingGoesOn) {
  const FixedZone zone("UTC0");
  const std::vector<std::string> retried4{"failure", "failure", "failure", "failure"};
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
       {"start", "identified", "session", "failure", "failure", "failure", "failure", "identified", "reconnected",
        "session", "end"},
       {}},
      {"silence while the panel is probed",
       40s,
       [](FaultRun& run) {
         run.connect(kVector, 10);
         run.stop.at(20s, [&run] { run.connect(kVector); });
       },
       {grid(0, 18.5)},
       {"start", "failure", "failure", "failure", "identified", "reconnected", "session", "end"},
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
       {"start", "identified", "session", "failure", "failure", "failure", "failure", "failure", "failure",
        "identified", "reconnected", "session", "end"},
       {}},
      {"unknown drive, then a known one",
       50s,
       [](FaultRun& run) {
         run.connect(R"({"model": "unknown"})");
         run.stop.at(30s, [&run] { run.connect(kVector); });
       },
       {grid(0, 4.5)},
       {"start", "failure", "failure", "failure", "failure", "failure", "identified", "reconnected", "session",
        "end"},
       {}},
      {"trip, then cleared at the drive",
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
       {"start", "identified", "session", "trip", "trip cleared", "end"},
       {"trip,ERR E07 OVERVOLT PRESS STOP/RESET", "trip history,Total trips: 1",
        "trip history,\"Last Trip: Over Voltage from Regeneration, 50 Hz, 50 %, 325 Vdc, 40 Hours\"",
        "trip cleared,50.00Hz FWD 8.3A   325Vdc"}},
  };
  for (const FaultCase& entry : cases) {
    FaultRun run(entry.stopAt);
    entry.script(run);
    EXPECT_EQ(run.run(), 0) << entry.name;
    EXPECT_EQ(sessionTimes(run.folder.path()), entry.sessionTimes) << entry.name;
    EXPECT_EQ(run.statusKinds(), entry.statusKinds) << entry.name << "\n" << run.statusText_();
    EXPECT_EQ(events(run.folder.path()), entry.events) << entry.name;
    EXPECT_FALSE(run.line.port.isOpen()) << entry.name;
    expectReadsAndPanelKeysOnly(run.line.port.sends);
  }
}

TEST(LoggerFaultsTest, repeatedFailuresBackOffFromFiveToSixtySeconds) {
  EXPECT_EQ(retryDelay(1), 5s);
  EXPECT_EQ(retryDelay(3), 5s);
  EXPECT_EQ(retryDelay(4), 10s);
  EXPECT_EQ(retryDelay(5), 20s);
  EXPECT_EQ(retryDelay(6), 40s);
  EXPECT_EQ(retryDelay(7), 60s);
  EXPECT_EQ(retryDelay(1000), 60s);
}

} // namespace
} // namespace orvane
