#include "link/models.h"
#include "session_fixture.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;
using testing::memoryReads;
using testing::SessionFixture;
using testing::WireRead;

// Sends of the panel probe that tells the two probed models apart.
constexpr std::size_t kProbeSends = 3 * (1 + 6 + 1 + 8 + 1);

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

  // The model-code read, the probe, the scale reads and the start write.
  const std::string model = state.inverter;
  std::vector<WireRead> reads{{0x03F4, 1}};
  if (model == model::kSingleCompact || model == model::kVector) {
    reads.insert(reads.end(),
                 {{model == model::kVector ? std::uint16_t{0xF788} : std::uint16_t{0xF8BC}, 2}, {0xF8B8, 1}});
    ASSERT_EQ(port.sends.size(), 3 + kProbeSends + 2 * 3 + 3);
    EXPECT_EQ(port.sends[port.sends.size() - 3], (Bytes{0x01, 0x01, 0x05, 0x00, 0x04}));
    const Bytes startWrite = model == model::kVector ? Bytes{0x02, 0x02, 0xE8, 0xF9, 0xFB, 0xCC, 0x24}
                                                     : Bytes{0x02, 0x02, 0x16, 0xFA, 0xF8, 0x0C, 0x1A};
    EXPECT_EQ(port.sends[port.sends.size() - 2], startWrite);
  } else {
    reads.insert(reads.end(), {{0x00F8, 2}, {0x03F3, 1}});
    EXPECT_EQ(port.sends.size(), 3u * 3);
  }
  EXPECT_EQ(memoryReads(port.sends), reads);

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

TEST_F(SessionFixture, changedMaximumFrequencyAnsweredYesClearsTheGraphButKeepsItsSamples) {
  session.startmonmenu_Click();
  tick(2);
  session.stopmonmenu_Click();
  connect(R"({"model": "vector", "max_frequency": 87.5})");
  const SampleArray before = state.speedys;
  const ImageSurface blank{8130, 5415, 1.0, testing::kButtonFace};
  session.startmonmenu_Click();
  EXPECT_EQ(titlesShown(), std::vector<std::string>{"Maximum Frequency Setting"});
  EXPECT_EQ((std::vector<int>{state.speedtrace, state.speedplotted, state.samplecount, state.lastx}),
            (std::vector<int>{0, 0, 0, 570}));
  EXPECT_EQ(picture1.image(), blank.image());
  EXPECT_EQ(picture3.image(), blank.image());
  EXPECT_EQ(state.speedys, before);
}

// A model's extra terminals go when a model without them is accepted; the
// stop action hides terminal 6 on the models that lack it.
TEST_F(SessionFixture, aNewModelHidesTheTerminalsItLacksAndStopHidesAMissingTerminalSix) {
  const auto visible = [this](std::initializer_list<const char*> names) {
    std::vector<bool> shown;
    for (const char* name : names)
      shown.push_back(state.trend.visible(name));
    return shown;
  };
  const auto extras = {"Image6off", "Label12",    "Label38", "Image8off", "ImageFWoff",
                       "Label41",   "Image13off", "Label36", "Image15off"};
  connect(R"({"model": "mk410"})");
  session.startmonmenu_Click();
  EXPECT_EQ(visible(extras), std::vector<bool>(9, true));
  session.stopmonmenu_Click();
  for (const char* model : {"sc", "profi"}) {
    connect(std::string(R"({"model": ")") + model + R"("})");
    session.startmonmenu_Click();
    const bool profi = std::string(model) == "profi";
    EXPECT_EQ(visible(extras), (std::vector<bool>{false, false, false, false, profi, profi, false, false, false}))
        << model;
    state.trend.setVisible("Image6on", true);
    session.stopmonmenu_Click();
    EXPECT_EQ(visible({"Image6on", "Image6off"}), (std::vector<bool>{false, false})) << model;
  }
}

TEST_F(SessionFixture, theTimeSpanLabelsCountTheStartUpWidthNotTheAppliedOne) {
  state.options.setValue("Slider2", 2);
  state.xstep = 40;
  state.maxpoints = 160; // as Apply leaves them
  session.startmonmenu_Click();
  EXPECT_EQ(state.trend.caption("Label32"), "1.4"); // 0.5 s * 338 / 60 / 2
  EXPECT_EQ(state.trend.caption("Label33"), "1.4");
}

// Every failed start ends idle with the port closed, after these messages.
class FailedStart : public SessionFixture {
protected:
  // The drive answers the first `count` sends, then falls silent.
  void answerOnly(int count) {
    port.setResponder([respond = port.responder(), count, sends = 0](const Bytes& sent) mutable {
      return ++sends <= count ? respond(sent) : std::vector<testing::ScriptedSerialPort::Reply>{};
    });
  }

  void expectIdleAfter(const std::vector<std::string>& titles) {
    session.startmonmenu_Click();
    EXPECT_EQ(titlesShown(), titles);
    EXPECT_FALSE(monitoring());
    EXPECT_FALSE(state.trend.enabled("Timer1"));
    EXPECT_FALSE(port.isOpen());
  }
};

TEST_F(FailedStart, unknownDrive) {
  connect(R"({"model": "unknown"})");
  expectIdleAfter({"Unknown Inverter"});
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has not been recognised.\nPlease check in Help which "
                                    "ranges are supported by this program.");
}

TEST_F(FailedStart, failedMaximumFrequencyRead) {
  connect(R"({"model": "mk410"})");
  port.setResponder([respond = port.responder(), sends = 0](const Bytes& sent) mutable {
    // The model code read answers; the maximum frequency read does not.
    return ++sends <= 3 ? respond(sent) : std::vector<testing::ScriptedSerialPort::Reply>{};
  });
  expectIdleAfter({"Communications Error", "Communications Error"});
}

TEST_F(FailedStart, unansweredStartWriteBeepsAndStops) {
  answerOnly(3 + kProbeSends + 2 * 3);
  expectIdleAfter({});
  EXPECT_EQ(beeper.beeps, 1);
}

TEST_F(FailedStart, failedVoltageClassReadAddsOneMessageToTheReadsOwn) {
  connect(R"({"model": "mk410"})");
  answerOnly(2 * 3);
  expectIdleAfter({"Communications Error", "Communications Error"});
}

TEST_F(FailedStart, nothingSelectedToMonitor) {
  state.options.setChecked("speedmenu", false);
  expectIdleAfter({"Monitor"});
  EXPECT_EQ(messages.shown[0].text, "An object must be selected to monitor in the Options menu");
}

TEST_F(FailedStart, zeroMaximumFrequency) {
  connect(R"({"model": "mk410", "max_frequency": 0})");
  expectIdleAfter({"Maximum Frequency Setting"});
}

} // namespace
} // namespace orvane
