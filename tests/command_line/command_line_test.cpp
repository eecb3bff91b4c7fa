#include "command_line/command_choice.h"

#include <QProcess>
#include <gtest/gtest.h>

namespace orvane {
namespace {

CommandChoice choose(std::vector<std::string_view> arguments) { return chooseCommand(arguments); }

TEST(CommandChoiceTest, refusesWhatNoCommandTakes) {
  const std::vector<std::vector<std::string_view>> refusedLines{{"--bogus"},
                                                                {"-platform"},
                                                                {"-platform", "xcb", "--bogus"},
                                                                {"--view"},
                                                                {"--view", "--help"},
                                                                {"--view", "a.CSV", "b.CSV"},
                                                                {"--help", "--bogus"},
                                                                {"file.CSV"}};
  for (const auto& line : refusedLines) {
    const CommandChoice choice = choose(line);
    EXPECT_EQ(choice.command, Command::Refused) << line.front();
    EXPECT_FALSE(choice.error.empty()) << line.front();
  }
}

TEST(CommandChoiceTest, routesEachCommandWithTheViewersFileOrFolder) {
  EXPECT_EQ(choose({}).command, Command::Window);
  EXPECT_EQ(choose({"-platform", "offscreen", "-style", "fusion"}).command, Command::Window);
  EXPECT_EQ(choose({"--render", "whatever", "it", "checks"}).command, Command::Render);
  EXPECT_EQ(choose({"--summary", "/var/log/drive", "--json"}).command, Command::Summary);
  EXPECT_EQ(choose({"--port", "2", "--log-only"}).command, Command::Logger);
  EXPECT_EQ(choose({"--help"}).command, Command::Help);
  const CommandChoice folder = choose({"--view", "/var/log/drive", "-platform", "offscreen"});
  EXPECT_EQ(folder.command, Command::View);
  EXPECT_EQ(folder.viewed, "/var/log/drive");
}

// Started with no display at all, the program answers an unknown option with its usage and exit
// code 2; before, it started the window and aborted in the platform plugin.
TEST(CommandLineProcessTest, anUnknownOptionIsRefusedWithoutADisplay) {
  QProcess program;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(name);
  program.setProcessEnvironment(environment);
  program.start(ORVANE_BIN_DIR "/orvane-trend", {"--no-such-option"});
  ASSERT_TRUE(program.waitForFinished(60'000));
  EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
  EXPECT_EQ(program.exitCode(), 2);
  const QString usage = QString::fromUtf8(program.readAllStandardError());
  for (const char* named : {"--no-such-option", "--view", "--render", "--summary", "--log-only", "-platform"})
    EXPECT_TRUE(usage.contains(QLatin1String(named))) << named;
}

} // namespace
} // namespace orvane
