#include "fakes/temporary_folder.h"
#include "session_log/line_file.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>

namespace orvane {
namespace {

using testing::readFile;
using testing::TemporaryFolder;

TEST(LineFileTest, aLineTheDiskTakesOnlyInPartLeavesNothingOfItBehind) {
  TemporaryFolder folder;
  LineFile file;
  const std::string path = folder.path() + "/lines.CSV";
  ASSERT_EQ(file.createNew(path), 0);
  ASSERT_EQ(file.appendLine("first", {}), 0);
  // A file size limit makes the kernel take the next line in part, as a full disk would.
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  const auto savedHandler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit tight = saved;
  tight.rlim_cur = 10;
  setrlimit(RLIMIT_FSIZE, &tight);
  const int error = file.appendLine("second line", {});
  setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, savedHandler);
  EXPECT_NE(error, 0);
  ASSERT_EQ(file.appendLine("third", {}), 0);
  file.close();
  EXPECT_EQ(readFile(path), "first\r\nthird\r\n");
}

TEST(LineFileTest, writtenLinesAreDueForASyncWithinTenSeconds) {
  TemporaryFolder folder;
  LineFile file;
  ASSERT_EQ(file.createNew(folder.path() + "/lines.CSV"), 0);
  EXPECT_FALSE(file.syncDue());
  file.appendLine("one", std::chrono::seconds(100));
  file.appendLine("two", std::chrono::seconds(104));
  EXPECT_EQ(file.syncDue(), std::chrono::seconds(110));
  file.syncIfDue(std::chrono::seconds(109));
  EXPECT_EQ(file.syncDue(), std::chrono::seconds(110));
  file.syncIfDue(std::chrono::seconds(110));
  EXPECT_FALSE(file.syncDue());
}

} // namespace
} // namespace orvane
