#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace orvane {
namespace {

// Waits for the program to have read the file `times` times; false when it
// never does (the program did not start).
bool readsOf(const std::string& file, int times) {
  const int watch = inotify_init1(IN_CLOEXEC);
  inotify_add_watch(watch, file.c_str(), IN_CLOSE_NOWRITE);
  alignas(inotify_event) char events[4096];
  int reads = 0;
  pollfd ready{watch, POLLIN, 0};
  // The minute only turns a program that never starts into a failure instead of a hang.
  while (reads < times && poll(&ready, 1, 60'000) == 1) {
    const ssize_t got = read(watch, events, sizeof events);
    for (ssize_t at = 0; at < got; at += static_cast<ssize_t>(sizeof(inotify_event)) +
                                         reinterpret_cast<const inotify_event*>(events + at)->len)
      ++reads;
  }
  close(watch);
  return reads >= times;
}

// `orvane-trend --view FILE` is the Session Viewer alone: it opens no port,
// writes no settings and leaves the session log alone.
TEST(ViewOnlyTest, writesNothing) {
  const QTemporaryDir home;
  const QTemporaryDir cache;
  const std::filesystem::path log = std::filesystem::path(home.path().toStdString()) / "Trend.CSV";
  const std::string text = "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n0,1,2,3,4\r\n";
  std::ofstream(log, std::ios::binary) << text;
  const auto written = std::filesystem::last_write_time(log);

  QProcess viewer;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert("HOME", home.path());
  environment.insert("XDG_CONFIG_HOME", home.path() + "/.config");
  environment.insert("XDG_CACHE_HOME", cache.path());
  environment.insert("QT_QPA_PLATFORM", "offscreen");
  viewer.setProcessEnvironment(environment);
  viewer.start(ORVANE_BIN_DIR "/orvane-trend", {"--view", QString::fromStdString(log.string())});
  // Read once when the window is made and again when, shown, it follows the file.
  EXPECT_TRUE(readsOf(log.string(), 2));
  viewer.terminate();
  viewer.waitForFinished();

  std::vector<std::string> files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(home.path().toStdString()))
    files.push_back(entry.path().filename().string());
  EXPECT_EQ(files, std::vector<std::string>{"Trend.CSV"});
  EXPECT_EQ(std::filesystem::last_write_time(log), written);
  std::ifstream again(log, std::ios::binary);
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(again), {}), text);
}

} // namespace
} // namespace orvane
