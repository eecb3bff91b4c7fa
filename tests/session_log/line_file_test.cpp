#include "fakes/file_size_limit.h"
#include "fakes/temporary_folder.h"
#include "session_log/line_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orvane {
namespace {

using testing::FileSizeLimit;
using testing::readFile;
using testing::TemporaryFolder;

struct OpenFolder {
  OpenFolder() { EXPECT_EQ(folder.open(temporary.path()), 0); }
  std::string path(const std::string& name) const { return temporary.path() + "/" + name; }
  TemporaryFolder temporary;
  LogFolder folder;
};

// The writer's own partial line goes; what others wrote after it opened, or a file emptied under
// it, stays as it is: nothing of theirs is cut, nothing is padded.
TEST(LineFileTest, aShortWriteCutsBackOnlyItsOwnPartialLine) {
  struct Case {
    const char* name;
    std::function<void(const OpenFolder&, LineFile& other)> meanwhile;
    const char* expected;
  };
  const Case cases[] = {
      {"alone", [](const OpenFolder&, LineFile&) {}, "first\r\nthird\r\n"},
      {"another writer appended",
       [](const OpenFolder&, LineFile& other) { EXPECT_EQ(other.appendLine("theirs, longer", {}), 0); },
       "first\r\ntheirs, longer\r\nthird\r\n"},
      {"emptied under it",
       [](const OpenFolder& at, LineFile&) { EXPECT_EQ(::truncate(at.path("lines.CSV").c_str(), 0), 0); },
       "third\r\n"},
  };
  for (const Case& entry : cases) {
    OpenFolder at;
    LineFile file, other;
    ASSERT_EQ(file.createNew(at.folder, "lines.CSV"), 0);
    ASSERT_EQ(file.appendLine("first", {}), 0);
    ASSERT_EQ(other.openForAppend(at.folder, "lines.CSV"), 0);
    entry.meanwhile(at, other);
    int error = 0;
    {
      const FileSizeLimit limit(std::filesystem::file_size(at.path("lines.CSV")) + 4);
      error = file.appendLine("second line", {});
    }
    EXPECT_NE(error, 0) << entry.name;
    ASSERT_EQ(file.appendLine("third", {}), 0);
    EXPECT_EQ(file.close(), 0);
    EXPECT_EQ(readFile(at.path("lines.CSV")), entry.expected) << entry.name;
  }
}

// Only a regular file at the name is opened, never through a link, and a new one is 0640; a file
// whose last line lacks its end gets one before the next line.
TEST(LineFileTest, opensRegularFilesByNameOnlyAndEndsABrokenLastLine) {
  OpenFolder at;
  std::filesystem::create_symlink(at.path("elsewhere"), at.path("link.CSV"));
  ASSERT_EQ(::mkfifo(at.path("fifo.CSV").c_str(), 0600), 0);
  LineFile file;
  EXPECT_EQ(file.openForAppend(at.folder, "link.CSV"), ELOOP);
  EXPECT_EQ(file.openForAppend(at.folder, "fifo.CSV"), EINVAL);
  EXPECT_FALSE(std::filesystem::exists(at.path("elsewhere")));
  std::ofstream(at.path("Events.CSV")) << "header\r\nglued";
  ASSERT_EQ(file.openForAppend(at.folder, "Events.CSV"), 0);
  ASSERT_EQ(file.appendLine("next", {}), 0);
  EXPECT_EQ(readFile(at.path("Events.CSV")), "header\r\nglued\r\nnext\r\n");
  ASSERT_EQ(file.createNew(at.folder, "new.CSV"), 0);
  EXPECT_EQ(std::filesystem::status(at.path("new.CSV")).permissions(), std::filesystem::perms(0640));
}

TEST(LineFileTest, writtenLinesAreDueForASyncWithinTenSeconds) {
  OpenFolder at;
  LineFile file;
  ASSERT_EQ(file.createNew(at.folder, "lines.CSV"), 0);
  EXPECT_FALSE(file.syncDue());
  file.appendLine("one", std::chrono::seconds(100));
  file.appendLine("two", std::chrono::seconds(104));
  EXPECT_EQ(file.syncDue(), std::chrono::seconds(110));
  EXPECT_EQ(file.sync(), 0);
  EXPECT_FALSE(file.syncDue());
}

} // namespace
} // namespace orvane
