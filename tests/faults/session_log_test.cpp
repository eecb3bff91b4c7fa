#include "faults/fault_session.h"

namespace orvane::testing {
namespace {

struct LogFault {
  const char* name;
  // What $HOME/Trend.CSV comes to point at.
  std::filesystem::path (*target)(const TemporaryHome& home);
  const char* reason;
};

void PrintTo(const LogFault& fault, std::ostream* out) { *out << fault.name; }

std::filesystem::path aFolder(const TemporaryHome& home) {
  std::filesystem::create_directories(home.folder() / "folder");
  return home.folder() / "folder";
}

std::filesystem::path theFullDevice(const TemporaryHome&) { return "/dev/full"; }

const LogFault kLogFaults[] = {{"folder", aFolder, "Is a directory"},
                               {"fullDisk", theFullDevice, "No space left on device"}};

class SessionLogFault : public FaultSession, public ::testing::WithParamInterface<LogFault> {
protected:
  void SetUp() override {
    plugIn({"--scenario", "mk410"});
    storeSettings(kEverythingMonitored);
    startUp();
  }
  // $HOME/Trend.CSV becomes a link to `target`.
  void pointLogAt(const std::filesystem::path& target) const {
    std::filesystem::remove(temporary.sessionLog());
    std::filesystem::create_symlink(target, temporary.sessionLog());
  }
};

// The log moves away mid-session (the link is pointed elsewhere): the lines
// already written stay in the file they went to.
TEST_P(SessionLogFault, logBecomingUnwritableMidSessionStopsItAndKeepsTheLinesWritten) {
  const std::filesystem::path kept = temporary.home() / "kept.csv";
  pointLogAt(kept);
  session.startmonmenu_Click();
  ASSERT_EQ(sample(2), 2);
  const std::vector<std::string> written = linesOf(kept);
  ASSERT_EQ(written.size(), 3u);

  pointLogAt(GetParam().target(temporary));
  EXPECT_EQ(sample(2), 1);

  ASSERT_EQ(titles(), std::vector<std::string>{"Session Log"});
  EXPECT_EQ(messages.shown[0].text, "The session log " + temporary.sessionLog().string() +
                                        " could not be written:\n" + GetParam().reason +
                                        "\nMonitoring has stopped; the lines already written are kept.");
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(linesOf(kept), written);
}

INSTANTIATE_TEST_SUITE_P(OnAFolderOrAFullDisk, SessionLogFault, ::testing::ValuesIn(kLogFaults),
                         [](const auto& info) { return std::string(info.param.name); });

// A folder where the log belongs: every start is refused, and the folder is
// left alone.
TEST_F(FaultSession, folderWhereTheLogBelongsRefusesEveryStart) {
  plugIn({"--scenario", "mk410"});
  startUp();
  std::filesystem::create_directories(temporary.sessionLog() / "inside");

  session.startmonmenu_Click();
  session.startmonmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>(2, "Session Log"));
  EXPECT_EQ(messages.shown[0].text,
            "The session log " + temporary.sessionLog().string() + " could not be created:\nIs a directory");
  EXPECT_EQ(look(), kIdle);
  EXPECT_TRUE(std::filesystem::is_directory(temporary.sessionLog() / "inside"));
}

TEST_F(FaultSession, fullDiskRefusesTheStart) {
  plugIn({"--scenario", "mk410"});
  startUp();
  std::filesystem::create_symlink("/dev/full", temporary.sessionLog());

  session.startmonmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>{"Session Log"});
  EXPECT_EQ(messages.shown[0].text, "The session log " + temporary.sessionLog().string() +
                                        " could not be created:\nNo space left on device");
  EXPECT_EQ(look(), kIdle);
}

} // namespace
} // namespace orvane::testing
