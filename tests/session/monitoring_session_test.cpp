#include "link/models.h"
#include "session_fixture.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::SessionFixture;

// The transactions on the wire, decoded from the host's frames: "read 03F4/1",
// "panel 01", "display", "block", "write01", "reset09" or "reset23".
std::vector<std::string> transactions(const std::vector<Bytes>& sends) {
  std::vector<std::string> decoded;
  for (std::size_t i = 0; i + 1 < sends.size(); ++i) {
    const Bytes& command = sends[i];
    const Bytes& data = sends[i + 1];
    if (command.size() != 5 || command[0] != 0x01 || data.empty() || data[0] != 0x02)
      continue;
    char text[32];
    switch (command[1]) {
    case 0x05:
      std::snprintf(text, sizeof text, "read %02X%02X/%d", data[3], data[2], data[1]);
      break;
    case 0x09:
      std::snprintf(text, sizeof text, data[5] == 0x04 ? "reset09" : "panel %02X", data[4]);
      break;
    case 0x0A:
      std::snprintf(text, sizeof text, "display");
      break;
    case 0x24:
      std::snprintf(text, sizeof text, "block");
      break;
    case 0x23:
      std::snprintf(text, sizeof text, "reset23");
      break;
    default:
      std::snprintf(text, sizeof text, "write%02X", command[1]);
    }
    decoded.push_back(text);
  }
  return decoded;
}

std::vector<std::string> probe() {
  std::vector<std::string> steps{"read 03F4/1", "panel 02"};
  steps.insert(steps.end(), 6, "panel 01");
  steps.push_back("display");
  steps.insert(steps.end(), 8, "panel 01");
  steps.push_back("display");
  return steps;
}

class StartOnEveryModel : public SessionFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(StartOnEveryModel, startIdentifiesReadsTheScalesWritesTheLogHeaderAndStartsTheTimer) {
  connect(std::string(R"({"model": ")") + GetParam() + R"(", "max_frequency": 60})");
  session.startmonmenu_Click();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(monitoring());
  EXPECT_TRUE(state.trend.enabled("Timer1"));
  EXPECT_TRUE(port.isOpen());
  EXPECT_TRUE(state.trend.enabled("exportmenu"));
  EXPECT_TRUE(state.trend.visible("greenlight"));
  EXPECT_FALSE(state.trend.visible("redlight"));
  EXPECT_FLOAT_EQ(state.speedscale, 4750.0f / 60);
  EXPECT_FLOAT_EQ(state.dirspeedscale, 2375.0f / 60);
  EXPECT_EQ(state.trend.caption("Label32"), "2.8");
  EXPECT_EQ(logLines(), std::vector<std::string>{"Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)"});

  std::vector<std::string> expected;
  const std::string model = state.inverter;
  if (model == model::kSingleCompact) {
    expected = probe();
    expected.insert(expected.end(), {"read F8BC/2", "read F8B8/1", "write01"});
    EXPECT_EQ(port.sends[port.sends.size() - 3], (Bytes{0x01, 0x01, 0x05, 0x00, 0x04}));
    EXPECT_EQ(port.sends[port.sends.size() - 2], (Bytes{0x02, 0x02, 0x16, 0xFA, 0xF8, 0x0C, 0x1A}));
  } else if (model == model::kVector) {
    expected = probe();
    expected.insert(expected.end(), {"read F788/2", "read F8B8/1", "write01"});
    EXPECT_EQ(port.sends[port.sends.size() - 2], (Bytes{0x02, 0x02, 0xE8, 0xF9, 0xFB, 0xCC, 0x24}));
  } else {
    expected = {"read 03F4/1", "read 00F8/2", "read 03F3/1"};
  }
  EXPECT_EQ(transactions(port.sends), expected);

  // The terminal indicators of the model, and only those.
  const bool mk410 = model == model::kMk410;
  EXPECT_EQ(state.trend.visible("Image6off"), mk410 || model == model::kVector);
  EXPECT_EQ(state.trend.visible("Label38"), mk410);
  EXPECT_EQ(state.trend.visible("ImageFWoff"), isSixTripModel(model));
  EXPECT_EQ(state.trend.visible("Image15off"), mk410);
  EXPECT_TRUE(state.trend.visible("ImageALoff"));
}

INSTANTIATE_TEST_SUITE_P(Models, StartOnEveryModel, ::testing::Values("sc", "vector", "mk410", "profi"));

TEST_F(SessionFixture, startWhileMonitoringAndStopWhileIdleDoNothing) {
  session.stopmonmenu_Click();
  EXPECT_TRUE(port.sends.empty());
  session.startmonmenu_Click();
  const std::size_t sent = port.sends.size();
  session.startmonmenu_Click();
  EXPECT_EQ(port.sends.size(), sent);
  session.stopmonmenu_Click();
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_TRUE(state.trend.visible("redlight"));
  EXPECT_TRUE(state.trend.visible("Image6off"));
  EXPECT_FALSE(state.trend.visible("Image6on"));
}

TEST_F(SessionFixture, secondStartWithTheSameModelKeepsTheGraph) {
  session.startmonmenu_Click();
  tick(3);
  session.stopmonmenu_Click();
  const SampleArray before = state.speedys;
  messages.shown.clear();
  session.startmonmenu_Click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.speedys, before);
  EXPECT_EQ(state.samplecount, 3);
  EXPECT_EQ(logLines().size(), 1u); // truncated, fresh header
}

TEST_F(SessionFixture, changedMaximumFrequencyAsksWithBothValuesAndNoLeavesTheGraphIdle) {
  session.startmonmenu_Click();
  tick(2);
  session.stopmonmenu_Click();
  connect(R"({"model": "vector", "max_frequency": 87.5})");
  messages.answers = {MessageAnswer::No};
  const SampleArray before = state.speedys;
  session.startmonmenu_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Maximum Frequency Setting");
  EXPECT_EQ(messages.shown[0].text, "The maximum Frequency (A04) has been altered from 50Hz to 87.5Hz\n and the "
                                    "graph needs to be cleared. Do you want to proceed?");
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
  EXPECT_TRUE(state.trend.visible("redlight"));
  EXPECT_EQ(state.speedys, before);
  EXPECT_EQ(state.samplecount, 2);
}

TEST_F(SessionFixture, failedStartsEndIdleWithTheirMessage) {
  silent = true;
  session.startmonmenu_Click();
  EXPECT_EQ(titlesShown(), (std::vector<std::string>{"Communications Error", "Communications Error"}));
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());

  silent = false;
  messages.shown.clear();
  connect(R"({"model": "unknown"})");
  session.startmonmenu_Click();
  ASSERT_EQ(titlesShown(), std::vector<std::string>{"Unknown Inverter"});
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has not been recognised.\nPlease check in Help which "
                                    "ranges are supported by this program.");
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
}

TEST_F(SessionFixture, failedMaximumFrequencyReadEndsIdle) {
  connect(R"({"model": "mk410"})");
  port.setResponder([respond = engineResponder(*engine, clock), sends = 0](const Bytes& sent) mutable {
    // The model code read answers; the maximum frequency read does not.
    return ++sends <= 3 ? respond(sent) : std::vector<testing::ScriptedSerialPort::Reply>{};
  });
  session.startmonmenu_Click();
  EXPECT_EQ(titlesShown(), (std::vector<std::string>{"Communications Error", "Communications Error"}));
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_FALSE(port.isOpen());
}

TEST_F(SessionFixture, nothingSelectedRefusesTheStart) {
  state.options.setChecked("speedmenu", false);
  session.startmonmenu_Click();
  ASSERT_EQ(titlesShown(), std::vector<std::string>{"Monitor"});
  EXPECT_EQ(messages.shown[0].text, "An object must be selected to monitor in the Options menu");
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
}

TEST_F(SessionFixture, zeroMaximumFrequencyIsRefused) {
  connect(R"({"model": "mk410", "max_frequency": 0})");
  session.startmonmenu_Click();
  ASSERT_EQ(titlesShown(), std::vector<std::string>{"Maximum Frequency Setting"});
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
}

TEST_F(SessionFixture, portThatCannotBeOpenedIsReportedAndTheWindowStaysIdle) {
  port.failOpenWith("No such file or directory");
  session.startmonmenu_Click();
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_NE(messages.shown[0].text.find("/dev/fake1"), std::string::npos);
  EXPECT_NE(messages.shown[0].text.find("No such file or directory"), std::string::npos);
  EXPECT_FALSE(monitoring());
}

TEST_F(SessionFixture, sessionLogThatCannotBeCreatedIsReportedAndTheWindowStaysIdle) {
  std::filesystem::create_directories(log.path()); // a folder where the file should be
  session.startmonmenu_Click();
  ASSERT_EQ(titlesShown(), std::vector<std::string>{"Session Log"});
  EXPECT_FALSE(monitoring());
  EXPECT_FALSE(port.isOpen());
}

} // namespace
} // namespace orvane
