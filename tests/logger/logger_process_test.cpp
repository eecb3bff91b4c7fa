#include "fakes/broker_subscriber.h"
#include "fakes/drive_sim_process.h"
#include "fakes/mosquitto_broker.h"
#include "logger/folder_lock.h"
#include "logger_rig.h"
#include "session_log/session_log_format.h"

#include <csignal>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane {
namespace {

using testing::DriveSimProcess;
using testing::readFile;
using testing::TemporaryFolder;

// `orvane-trend --log-only ...` as a service manager starts it: no display of any kind, its own
// home and settings, standard output to `output`.
pid_t startLogger(const std::string& home, const std::vector<std::string>& arguments, const std::string& output) {
  const std::string program = ORVANE_BIN_DIR "/orvane-trend";
  const pid_t pid = fork();
  if (pid == 0) {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
      unsetenv(variable);
    setenv("HOME", home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (home + "/config").c_str(), 1);
    const int out = open(output.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    std::vector<char*> argv{const_cast<char*>(program.c_str()), const_cast<char*>("--log-only")};
    for (const std::string& argument : arguments)
      argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    execv(program.c_str(), argv.data());
    _exit(127);
  }
  return pid;
}

int exitCodeOf(pid_t pid) {
  int status = 0;
  waitpid(pid, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

// Every file holds whole lines only: nothing after the last CR LF, and each session file's lines
// are its header and samples of five fields.
void expectWholeLinesOnly(const std::string& folder) {
  for (const std::string& name : testing::fileNames(folder)) {
    const std::string text = readFile(folder + "/" + name);
    if (text.empty() || name == FolderLock::kFileName)
      continue; // killed between creating the file and writing its first line; the holder's id
    ASSERT_TRUE(text.ends_with("\r\n")) << name << " ends in a broken line";
    if (!name.starts_with("Trend-"))
      continue;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    ASSERT_TRUE(line.ends_with('\r')) << name;
    line.pop_back();
    EXPECT_EQ(line, kSessionLogHeader) << name;
    while (std::getline(lines, line))
      EXPECT_EQ(std::count(line.begin(), line.end(), ','), 4) << name << ": " << line;
  }
}

// Ten loggers at a time, each on a drive and into a folder of its own, each killed at a random
// point of its first ticks; five rounds.
TEST(LoggerProcessTest, killedAtRandomPointsItLeavesWholeLinesOnly) {
  using Moment = std::chrono::steady_clock::time_point;
  constexpr int kLoggers = 10;
  TemporaryFolder home;
  const auto folder = [&home](int logger) { return home.path() + "/logs" + std::to_string(logger); };
  std::vector<std::unique_ptr<DriveSimProcess>> drives;
  for (int drive = 0; drive < kLoggers; ++drive)
    drives.push_back(std::make_unique<DriveSimProcess>(std::vector<std::string>{"--scenario", "mk410"}));
  std::mt19937 random(21);
  std::uniform_int_distribution<int> afterSessionMs(0, 250);
  for (int round = 0; round < 5; ++round) {
    std::vector<pid_t> loggers;
    std::vector<std::optional<Moment>> killAt(kLoggers);
    for (int at = 0; at < kLoggers; ++at)
      loggers.push_back(startLogger(home.path(), {"--device", drives[at]->devicePath(), "--dir", folder(at)},
                                    home.path() + "/output" + std::to_string(round) + "-" + std::to_string(at)));
    for (int killed = 0; killed < kLoggers;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
      for (int at = 0; at < kLoggers; ++at) {
        const std::string output = home.path() + "/output" + std::to_string(round) + "-" + std::to_string(at);
        if (!killAt[at] && readFile(output).find(" session: ") != std::string::npos)
          killAt[at] = std::chrono::steady_clock::now() + std::chrono::milliseconds(afterSessionMs(random));
        if (loggers[at] > 0 && killAt[at] && std::chrono::steady_clock::now() >= *killAt[at]) {
          ::kill(loggers[at], SIGKILL);
          EXPECT_EQ(exitCodeOf(loggers[at]), 128 + SIGKILL);
          loggers[at] = 0;
          ++killed;
        }
      }
    }
  }
  for (int at = 0; at < kLoggers; ++at) {
    expectWholeLinesOnly(folder(at));
    EXPECT_GE(testing::fileNames(folder(at)).size(), 7u); // every session a file, Events.CSV, the lock
  }
}

TEST(LoggerProcessTest, aSecondLoggerInTheFolderEndsWithExitCodeThreeAndNamesTheFirst) {
  TemporaryFolder home;
  const std::string folder = home.path() + "/logs";
  DriveSimProcess drive({"--scenario", "mk410"});
  const pid_t first =
      startLogger(home.path(), {"--device", drive.devicePath(), "--dir", folder}, home.path() + "/1");
  while (readFile(home.path() + "/1").find(" session: ") == std::string::npos)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  const pid_t second = startLogger(home.path(), {"--device", "/dev/null", "--dir", folder}, home.path() + "/2");
  EXPECT_EQ(exitCodeOf(second), 3);
  EXPECT_NE(readFile(home.path() + "/2").find("process " + std::to_string(first) + " (orvane-trend)"),
            std::string::npos)
      << readFile(home.path() + "/2");
  ::kill(first, SIGTERM);
  EXPECT_EQ(exitCodeOf(first), 0);
  expectWholeLinesOnly(folder);
  EXPECT_EQ(std::filesystem::status(folder).permissions(), std::filesystem::perms(0750));
  EXPECT_EQ(std::filesystem::status(folder + "/Events.CSV").permissions(), std::filesystem::perms(0640));
}

TEST(LoggerProcessTest, sigtermEndsTheRecordingCleanlyWithExitCodeZero) {
  TemporaryFolder home;
  const std::string folder = home.path() + "/logs";
  const std::string output = home.path() + "/output";
  DriveSimProcess drive({"--scenario", "mk410"});
  const pid_t logger = startLogger(home.path(), {"--device", drive.devicePath(), "--dir", folder}, output);
  while (readFile(output).find(" session: ") == std::string::npos)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ::kill(logger, SIGTERM);
  EXPECT_EQ(exitCodeOf(logger), 0);
  const std::string status = readFile(output);
  EXPECT_NE(status.find(" identified: MK410, rated current 16.5 A, maximum frequency 50 Hz\n"), std::string::npos)
      << status;
  EXPECT_NE(status.find(" end: "), std::string::npos) << status;
  expectWholeLinesOnly(folder);
}

TEST(LoggerProcessTest, aBadArgumentEndsWithExitCodeTwoAndSaysWhy) {
  TemporaryFolder home;
  const std::string output = home.path() + "/output";
  const pid_t logger = startLogger(home.path(), {"--rate", "0.3", "--dir", home.path() + "/logs"}, output);
  EXPECT_EQ(exitCodeOf(logger), 2);
  EXPECT_NE(readFile(output).find("--rate takes seconds from 0.5 to 32"), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(home.path() + "/logs"));
}

TEST(LoggerProcessTest, withMqttItPublishesTheStatusEverySampleAndTheTripWithItsHistory) {
  TemporaryFolder home;
  std::filesystem::create_directories(home.path() + "/broker");
  testing::MosquittoBroker broker(home.path() + "/broker");
  testing::BrokerSubscriber subscriber(broker.port(), "plant/line1/#");
  std::ofstream(home.path() + "/trip.json")
      << R"({"model": "mk410", "frequency": 50, "current": 8.3, "percent": 50,
             "trips": [{"at": 2.5, "code": 7, "text": "ERR E07 OVERVOLT"}]})";
  DriveSimProcess drive({"--scenario", home.path() + "/trip.json"});
  const std::string output = home.path() + "/output";
  const pid_t logger = startLogger(home.path(),
                                   {"--device", drive.devicePath(), "--dir", home.path() + "/logs", "--mqtt",
                                    "mqtt://127.0.0.1:" + std::to_string(broker.port()) + "/plant/line1"},
                                   output);
  const auto tripPublished = [](const std::vector<testing::ReceivedMessage>& received) {
    return std::ranges::any_of(received, [](const testing::ReceivedMessage& message) {
      return message.payload.find(R"("event":"trip")") != std::string::npos;
    });
  };
  ASSERT_TRUE(subscriber.waitFor(tripPublished)) << readFile(output);
  ::kill(logger, SIGTERM);
  EXPECT_EQ(exitCodeOf(logger), 0);
  ASSERT_TRUE(subscriber.waitFor([](const std::vector<testing::ReceivedMessage>& received) {
    return received.back().payload.starts_with(R"({"state":"offline")");
  }));

  std::vector<std::string> sessionTimes, events;
  for (const testing::ReceivedMessage& message : subscriber.received()) {
    const std::string& json = message.payload;
    if (message.topic == "plant/line1/sample")
      sessionTimes.push_back(
          json.substr(json.find("\"session_s\""), json.find(",\"frequency") - json.find("\"session_s\"")));
    else if (message.topic == "plant/line1/event")
      events.push_back(json.substr(json.find("\"event\"")));
  }
  const std::vector<std::string> logged =
      testing::linesOf(home.path() + "/logs/" + testing::fileNames(home.path() + "/logs").back());
  EXPECT_EQ(sessionTimes.size() + 1, logged.size()) << readFile(output);
  ASSERT_EQ(events.size(), 3u);
  EXPECT_TRUE(events[0].starts_with(R"("event":"start","text":"logging from )")) << events[0];
  EXPECT_EQ(events[1],
            R"("event":"trip","text":"ERR E07 OVERVOLT PRESS STOP/RESET","trip_history":["Total trips: 1",)"
            R"("Last Trip: Over Voltage from Regeneration, 50 Hz, 50 %, 325 Vdc, 40 Hours"]})");
  EXPECT_TRUE(events[2].starts_with(R"("event":"stop")")) << events[2];
  EXPECT_NE(subscriber.received().back().payload.find(R"("model":"MK410","rated_current_a":16.5)"),
            std::string::npos);
  EXPECT_NE(subscriber.received().back().payload.find(R"("dropped_messages":0,"link":{"exchanges":)"),
            std::string::npos);
}

} // namespace
} // namespace orvane
