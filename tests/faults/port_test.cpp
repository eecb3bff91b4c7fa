#include "faults/fault_session.h"

#include <fstream>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orvane::testing {
namespace {

std::string openFailure(const std::string& device, const std::string& reason) {
  return "The serial port " + device + " could not be opened:\n" + reason;
}

// Another program with "Communications Port 1" open, until it quits.
class OtherProgram {
public:
  OtherProgram() {
    int ready[2];
    if (pipe(ready) != 0)
      return;
    pid_ = fork();
    if (pid_ == 0) {
      close(ready[0]);
      PosixSerialPort port;
      try {
        port.open();
      } catch (const PortOpenError&) {
        _exit(1);
      }
      const char holding = 1;
      if (write(ready[1], &holding, 1) == 1)
        pause();
      _exit(0);
    }
    close(ready[1]);
    char holding = 0;
    holding_ = pid_ > 0 && read(ready[0], &holding, 1) == 1;
    close(ready[0]);
  }
  ~OtherProgram() { quit(); }
  OtherProgram(const OtherProgram&) = delete;
  OtherProgram& operator=(const OtherProgram&) = delete;

  bool holding() const { return holding_; }
  pid_t process() const { return pid_; }
  void quit() {
    if (pid_ <= 0)
      return;
    kill(pid_, SIGTERM);
    waitpid(pid_, nullptr, 0);
    pid_ = -1;
  }

private:
  pid_t pid_ = -1;
  bool holding_ = false;
};

TEST_F(FaultSession, missingPortIsNamedAtOnceAndNothingStarts) {
  startUp();

  const double took = secondsFor([this] {
    session.startmonmenu_Click();
    trips.tripmenu_Click();
  });

  EXPECT_LT(took, 0.5);
  // The devices it goes on to list are this machine's.
  const std::string failure = openFailure(temporary.drive().string(), "There is no such device.\n");
  ASSERT_EQ(titles(), std::vector<std::string>(2, kCommunicationsErrorTitle));
  EXPECT_EQ(messages.shown[0].text.find(failure), 0u);
  EXPECT_EQ(messages.shown[1].text, messages.shown[0].text);
  EXPECT_TRUE(tripWindow.shown.empty());
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, portBusyWithAnotherProgramIsRefusedUntilThatProgramLetsGo) {
  plugIn({"--scenario", "mk410"});
  startUp();
  OtherProgram other;
  ASSERT_TRUE(other.holding());

  session.startmonmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  const std::string holder = ", process " + std::to_string(other.process()) + ").\n";
  EXPECT_EQ(messages.shown[0].text.find(openFailure(
                temporary.drive().string() + " (" + std::filesystem::canonical(temporary.drive()).string() + ")",
                "The port is in use by another program (")),
            0u);
  EXPECT_NE(messages.shown[0].text.find(holder), std::string::npos);
  EXPECT_EQ(look(), kIdle);

  other.quit();
  session.startmonmenu_Click();
  EXPECT_EQ(look(), kMonitoring);
  EXPECT_EQ(messages.shown.size(), 1u);
  session.stopmonmenu_Click();
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, deviceThatIsNoSerialPortIsRefusedWithTheSystemsReason) {
  setenv("ORVANE_PORT1", "/dev/null", 1);
  startUp();

  session.startmonmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>{kCommunicationsErrorTitle});
  EXPECT_EQ(messages.shown[0].text,
            openFailure("/dev/null", "Inappropriate ioctl for device\nPlease check the port chosen in Options."));
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, withNoVariableSetThePortOpensTheDeviceStoredInOptions) {
  plugIn({"--scenario", "mk410"});
  unsetenv("ORVANE_PORT1");
  storeSettings(kSpeedOnly);
  std::ofstream(temporary.settingsFile().parent_path() / "devices.conf") << "port1=" << temporary.drive().string();
  startUp();

  session.startmonmenu_Click();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(look(), kMonitoring);
  session.stopmonmenu_Click();
}

} // namespace
} // namespace orvane::testing
