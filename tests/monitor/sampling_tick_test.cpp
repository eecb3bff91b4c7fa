#include "fakes/session_fixture.h"

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

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

TEST_F(SessionFixture, resetFramesDependOnTheModel) {
  for (const auto& [model, command] : {std::pair{"vector", Bytes{0x01, 0x09, 0x05, 0x00, 0x0C}},
                                       std::pair{"sc", Bytes{0x01, 0x09, 0x05, 0x00, 0x0C}},
                                       std::pair{"mk410", Bytes{0x01, 0x23, 0x05, 0x00, 0x26}},
                                       std::pair{"profi", Bytes{0x01, 0x23, 0x05, 0x00, 0x26}}}) {
    connect(std::string(R"({"model": ")") + model + R"("})");
    session.startmonmenu_Click();
    session.stopmonmenu_Click();
    port.sends.clear();
    tripWatch.resetmenu_Click();
    EXPECT_EQ(port.sends, (std::vector<Bytes>{command, {0x02, 0x02, 0x00, 0x00, 0x00, 0x04, 0x06}, {0x06}}))
        << model;
    port.close();
  }
}

} // namespace
} // namespace orvane::testing
