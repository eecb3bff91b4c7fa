#include "fakes/session_fixture.h"
#include "link/models.h"

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

// Sends of the panel probe that tells the two probed models apart.
constexpr std::size_t kStartProbeSends = 3 * (1 + 6 + 1 + 8 + 1);

class StartOnEveryModel : public SessionFixture, public ::testing::WithParamInterface<const char*> {};

TEST_P(StartOnEveryModel, startIdentifiesReadsTheScalesWritesTheLogHeaderAndStartsTheTimer) {
  connect(std::string(R"({"model": ")") + GetParam() + R"(", "max_frequency": 60})");
  session.startmonmenu_Click();

  EXPECT_TRUE(messages.shown.empty());
  EXPECT_TRUE(monitoring() && state.trend.enabled("Timer1") && port.isOpen());
  EXPECT_TRUE(state.trend.enabled("exportmenu") && state.trend.visible("greenlight") &&
              !state.trend.visible("redlight"));
  EXPECT_FLOAT_EQ(state.drive.speedscale, 4750.0f / 60);
  EXPECT_FLOAT_EQ(state.drive.dirspeedscale, 2375.0f / 60);
  EXPECT_EQ(state.trend.caption("Label32"), "2.8"); // 338 samples at 0.5 s: 2.82 minutes
  EXPECT_EQ(logLines(), Lines{"Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)"});

  // The model-code read, the probe, the scale reads and the start write.
  const std::string model = state.drive.inverter;
  std::vector<WireRead> reads{{0x03F4, 1}};
  if (model == model::kSingleCompact || model == model::kVector) {
    reads.insert(reads.end(),
                 {{model == model::kVector ? std::uint16_t{0xF788} : std::uint16_t{0xF8BC}, 2}, {0xF8B8, 1}});
    ASSERT_EQ(port.sends.size(), 3 + kStartProbeSends + 2 * 3 + 3);
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
}

INSTANTIATE_TEST_SUITE_P(Models, StartOnEveryModel, ::testing::Values("sc", "vector", "mk410", "profi"));

TEST_F(SessionFixture, startWhileMonitoringAndStopWhileIdleDoNothingAndASecondStartKeepsTheGraph) {
  session.stopmonmenu_Click();
  EXPECT_TRUE(port.sends.empty());
  session.startmonmenu_Click();
  const std::size_t sent = port.sends.size();
  session.startmonmenu_Click();
  EXPECT_EQ(port.sends.size(), sent);
  tick(3);
  session.stopmonmenu_Click();
  EXPECT_FALSE(monitoring() || port.isOpen() || state.trend.enabled("Timer1"));
  EXPECT_TRUE(state.trend.visible("redlight") && state.trend.visible("Image6off"));

  const SampleArray before = state.graph.speedys;
  session.startmonmenu_Click();
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.graph.speedys, before);
  EXPECT_EQ(state.graph.samplecount, 3);
  EXPECT_EQ(logLines().size(), 1u); // truncated, a fresh header
}

TEST_F(SessionFixture, changedMaximumFrequencyAsksWithBothValuesAndNoLeavesTheGraphIdle) {
  session.startmonmenu_Click();
  tick(2);
  session.stopmonmenu_Click();
  connect(R"({"model": "vector", "max_frequency": 87.5})");
  messages.answers = {MessageAnswer::No};
  const SampleArray before = state.graph.speedys;
  session.startmonmenu_Click();
  ASSERT_EQ(titles(), Lines{"Maximum Frequency Setting"});
  EXPECT_EQ(messages.shown[0].text, "The maximum Frequency (A04) has been altered from 50Hz to 87.5Hz\n and the "
                                    "graph needs to be cleared. Do you want to proceed?");
  EXPECT_FALSE(monitoring() || port.isOpen());
  EXPECT_EQ(state.graph.speedys, before);
  EXPECT_EQ(state.graph.samplecount, 2);

  // Yes clears the traces, the cursor and both boxes, but keeps the samples.
  const ImageSurface blank{8130, 5415, 1.0, Rgb{240, 240, 240}};
  session.startmonmenu_Click();
  EXPECT_TRUE(monitoring());
  EXPECT_EQ((std::vector<int>{state.graph.speedtrace, state.graph.speedplotted, state.graph.samplecount,
                              state.graph.lastx}),
            (std::vector<int>{0, 0, 0, 570}));
  EXPECT_EQ(picture1.image(), blank.image());
  EXPECT_EQ(picture3.image(), blank.image());
  EXPECT_EQ(state.graph.speedys, before);
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
  state.graph.xstep = 40;
  state.graph.maxpoints = 160; // as Apply leaves them
  session.startmonmenu_Click();
  EXPECT_EQ(state.trend.caption("Label32"), "1.4"); // 0.5 s * 338 / 60 / 2
  EXPECT_EQ(state.trend.caption("Label33"), "1.4");
}

// Every failed start ends idle with the port closed, after these messages.
TEST_F(SessionFixture, failedStartsEndIdleWithThePortClosedAfterTheirMessages) {
  const auto failedStart = [this](const Lines& expected) {
    messages.shown.clear();
    session.startmonmenu_Click();
    EXPECT_EQ(titles(), expected);
    EXPECT_FALSE(monitoring() || state.trend.enabled("Timer1") || port.isOpen());
  };
  connect(R"({"model": "unknown"})");
  failedStart({"Unknown Inverter"});
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has not been recognised.\nPlease check in Help which "
                                    "ranges are supported by this program.");
  sim::EngineOptions silentAfterTheModelCode;
  silentAfterTheModelCode.silentAfterFrames = 3;
  connect(R"({"model": "mk410"})", silentAfterTheModelCode);
  messages.answers = {MessageAnswer::No};
  failedStart({"Inverter Selection"});
  EXPECT_EQ(messages.shown[0].text, "The Inverter connected has been changed from a Unknown to a MK410.\n"
                                    "The graph will be cleared. Continue?");
  EXPECT_EQ(state.drive.inverter, "Unknown");
  connect(R"({"model": "mk410"})", silentAfterTheModelCode);
  failedStart({"Inverter Selection", kCommunicationsErrorTitle, kCommunicationsErrorTitle});
  sim::EngineOptions silentAtTheVoltageClass;
  silentAtTheVoltageClass.silentAfterFrames = 2 * 3;
  connect(R"({"model": "mk410"})", silentAtTheVoltageClass);
  failedStart({kCommunicationsErrorTitle, kCommunicationsErrorTitle}); // the read's message and one more
  sim::EngineOptions silentAtTheStartWrite;                            // after the probe and two reads
  silentAtTheStartWrite.silentAfterFrames = 3 + 3 * (1 + 6 + 1 + 8 + 1) + 2 * 3;
  connect(R"({"model": "vector"})", silentAtTheStartWrite);
  const int beeps = beeper.beeps;
  failedStart({"Inverter Selection"}); // then only the beep
  EXPECT_EQ(beeper.beeps, beeps + 1);
  connect(R"({"model": "mk410", "max_frequency": 0})");
  failedStart({"Inverter Selection", "Maximum Frequency Setting"});
  state.options.setChecked("speedmenu", false);
  failedStart({"Monitor"});
  EXPECT_EQ(messages.shown[0].text, "An object must be selected to monitor in the Options menu");
}

Lines timeColumn(const Lines& lines) {
  Lines times;
  for (std::size_t i = 1; i < lines.size(); ++i)
    times.push_back(lines[i].substr(0, lines[i].find(',')));
  return times;
}

TEST_F(SessionFixture, everyTickedQuantityIsLoggedAndShownAtTheNominalInterval) {
  connect(R"({"model": "mk410", "frequency": 50, "current": 8.3, "dc_link": 565})");
  state.options.setChecked("currentmenu", true);
  state.options.setChecked("DCmenu", true);
  session.startmonmenu_Click();
  tick(4);
  EXPECT_EQ(logLines()[1], "0,50,8.3,50.30303,565"); // 8.3 A of a 16.5 A drive
  EXPECT_EQ(timeColumn(logLines()), (Lines{"0", "0.5", "1", "1.5"}));
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  EXPECT_EQ(state.trend.caption("displaycurrent"), "8.3");
  EXPECT_EQ(state.trend.caption("displayvoltage"), "565");

  session.stopmonmenu_Click();
  state.options.setValue("Slider1", 6);
  state.trend.setValue("Timer1", 600);
  session.startmonmenu_Click();
  tick(3);
  EXPECT_EQ(timeColumn(logLines()), (Lines{"0", "0.6", "1.20000002384186"}));
}

TEST_F(SessionFixture, onlyDirectionTickedLogsTheLastValuesEveryTick) {
  connect(R"({"model": "vector", "frequency": -20})");
  state.options.setChecked("speedmenu", false);
  state.options.setChecked("directionmenu", true);
  session.startmonmenu_Click();
  tick(2);
  EXPECT_EQ(logLines(), (Lines{kSessionLogHeader, "0,0,0,0,0", "0.5,0,0,0,0"}));
  EXPECT_TRUE(state.trend.visible("revarrow"));
  EXPECT_FALSE(state.trend.visible("forarrow"));
}

TEST_F(SessionFixture, tripStopsSamplingAndOffersTheResetWhichStartsANewSession) {
  connect(R"({"model": "vector", "frequency": 45, "trips": [{"at": 1.2, "code": 7}]})");
  session.startmonmenu_Click();
  tick(4);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_TRUE(monitoring()); // not formally stopped
  EXPECT_TRUE(state.trend.visible("trippiccy") && state.trend.visible("tripreset"));
  EXPECT_TRUE(state.trend.enabled("resetmenu"));
  EXPECT_FALSE(state.trend.visible("runpiccy") || state.trend.visible("stoppiccy"));
  EXPECT_EQ(logLines().size(), 3u); // samples at 0.5 s and 1 s; the tick at 1.5 s found the trip

  session.tripreset_Click();
  EXPECT_TRUE(monitoring() && state.trend.enabled("Timer1"));
  tick();
  EXPECT_FALSE(state.trend.visible("trippiccy") || state.trend.visible("tripreset"));
  EXPECT_FALSE(state.trend.enabled("resetmenu"));
  EXPECT_EQ(logLines().size(), 2u);

  session.stopmonmenu_Click();
  port.failOpenWith("No such device");
  messages.shown.clear();
  session.tripreset_Click();
  EXPECT_EQ(titles(), Lines{kCommunicationsErrorTitle}); // told once
  EXPECT_FALSE(monitoring());
}

TEST_F(SessionFixture, onlyAnExactUpperCaseErrIsATrip) {
  for (const char* text : {"err E07 OVERVOLT", " ERR E07 OVERVOLT"}) {
    connect(std::string(R"({"model": "vector", "trips": [{"at": 0.3, "code": 7, "text": ")") + text + R"("}]})");
    session.startmonmenu_Click();
    tick();
    EXPECT_TRUE(state.trend.enabled("Timer1")) << text;
    session.stopmonmenu_Click();
  }
}

TEST_F(SessionFixture, failedDisplayReadsAreRetriedFourTimesAfterABeepAndAPauseThenStopTheSession) {
  session.startmonmenu_Click();
  unreadableDisplays = 1;
  tick();
  EXPECT_EQ(beeper.beeps, 2); // the display read's own beep and the retry's
  EXPECT_EQ(clock.sleeps, std::vector<Clock::Duration>{2s});
  EXPECT_TRUE(monitoring());
  EXPECT_EQ(logLines().size(), 2u);

  unreadableDisplays = 5;
  tick();
  EXPECT_FALSE(monitoring());
  EXPECT_EQ(clock.sleeps.size(), 1u + 4);
  EXPECT_EQ(logLines().size(), 2u);
}

} // namespace
} // namespace orvane::testing
