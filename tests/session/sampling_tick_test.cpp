#include "session_fixture.h"

namespace orvane {
namespace {

using testing::SessionFixture;

std::vector<std::string> timeColumn(const std::vector<std::string>& lines) {
  std::vector<std::string> times;
  for (std::size_t i = 1; i < lines.size(); ++i)
    times.push_back(lines[i].substr(0, lines[i].find(',')));
  return times;
}

TEST_F(SessionFixture, onlyDirectionTickedLogsTheLastValuesEveryTick) {
  connect(R"({"model": "vector", "frequency": -20})");
  state.options.setChecked("speedmenu", false);
  state.options.setChecked("directionmenu", true);
  session.startmonmenu_Click();
  tick(2);
  EXPECT_EQ(logLines(), (std::vector<std::string>{kSessionLogHeader, "0,0,0,0,0", "0.5,0,0,0,0"}));
  EXPECT_TRUE(state.trend.visible("revarrow"));
  EXPECT_FALSE(state.trend.visible("forarrow"));
}

TEST_F(SessionFixture, logTimesAdvanceByTheNominalInterval) {
  session.startmonmenu_Click();
  tick(4);
  EXPECT_EQ(timeColumn(logLines()), (std::vector<std::string>{"0", "0.5", "1", "1.5"}));

  session.stopmonmenu_Click();
  state.options.setValue("Slider1", 6);
  state.trend.setValue("Timer1", 600);
  session.startmonmenu_Click();
  tick(3);
  EXPECT_EQ(timeColumn(logLines()), (std::vector<std::string>{"0", "0.6", "1.20000002384186"}));
}

TEST_F(SessionFixture, everyTickedQuantityIsLoggedAndShown) {
  connect(R"({"model": "mk410", "frequency": 50, "current": 8.3, "dc_link": 565})");
  state.options.setChecked("currentmenu", true);
  state.options.setChecked("DCmenu", true);
  session.startmonmenu_Click();
  tick();
  ASSERT_EQ(logLines().size(), 2u);
  EXPECT_EQ(logLines()[1], "0,50,8.3,50.30303,565");
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  EXPECT_EQ(state.trend.caption("displaycurrent"), "8.3");
  EXPECT_EQ(state.trend.caption("displayvoltage"), "565");
}

TEST_F(SessionFixture, quantityUntickedAfterItWasSampledIsStillSampled) {
  session.startmonmenu_Click();
  tick(2);
  session.stopmonmenu_Click();
  state.options.setChecked("speedmenu", false);
  state.options.setChecked("runningmenu", true);
  session.startmonmenu_Click();
  const std::size_t before = port.sends.size();
  tick();
  std::size_t speedReads = 0;
  for (std::size_t i = before; i + 1 < port.sends.size(); ++i)
    if (port.sends[i + 1] == Bytes{0x02, 0x02, 0x40, 0xFC, 0xBE})
      ++speedReads;
  EXPECT_EQ(speedReads, 0u); // filling: an unticked present trace reads nothing
  EXPECT_EQ(state.speedtrace, 1);
}

TEST_F(SessionFixture, tripStopsSamplingAndOffersTheReset) {
  connect(R"({"model": "vector", "frequency": 45, "trips": [{"at": 1.2, "code": 7}]})");
  session.startmonmenu_Click();
  tick(4);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_TRUE(monitoring()); // not formally stopped
  EXPECT_TRUE(state.trend.visible("trippiccy"));
  EXPECT_TRUE(state.trend.visible("tripreset"));
  EXPECT_TRUE(state.trend.enabled("resetmenu"));
  EXPECT_FALSE(state.trend.visible("runpiccy"));
  EXPECT_FALSE(state.trend.visible("stoppiccy"));
  const std::size_t lines = logLines().size();
  EXPECT_EQ(lines, 3u); // samples at 0.5 s and 1 s; the tick at 1.5 s found the trip

  session.tripreset_Click();
  EXPECT_TRUE(monitoring());
  EXPECT_TRUE(state.trend.enabled("Timer1"));
  tick();
  EXPECT_FALSE(state.trend.visible("trippiccy"));
  EXPECT_FALSE(state.trend.visible("tripreset"));
  EXPECT_FALSE(state.trend.enabled("resetmenu"));
  EXPECT_EQ(logLines().size(), 2u); // a new session after the reset

  session.stopmonmenu_Click();
  port.failOpenWith("No such device");
  messages.shown.clear();
  session.tripreset_Click();
  EXPECT_EQ(titlesShown(), std::vector<std::string>{"Communications Error"}); // told once
  EXPECT_FALSE(monitoring());
}

TEST_F(SessionFixture, onlyAnExactUpperCaseErrIsATrip) {
  for (const char* text : {"err E07 OVERVOLT", " ERR E07 OVERVOLT"}) {
    connect(std::string(R"({"model": "vector", "trips": [{"at": 0.3, "code": 7, "text": ")") + text + R"("}]})");
    session.startmonmenu_Click();
    tick();
    EXPECT_TRUE(state.trend.enabled("Timer1")) << text;
    EXPECT_FALSE(state.trend.visible("trippiccy")) << text;
    session.stopmonmenu_Click();
  }
}

TEST_F(SessionFixture, oneFailedDisplayReadIsRetriedAfterABeepAndAPause) {
  session.startmonmenu_Click();
  unreadableDisplays = 1;
  tick();
  EXPECT_EQ(beeper.beeps, 2); // the display read's own beep and the retry's
  EXPECT_EQ(clock.sleeps, std::vector<Clock::Duration>{std::chrono::seconds(2)});
  EXPECT_TRUE(monitoring());
  EXPECT_EQ(logLines().size(), 2u);
}

TEST_F(SessionFixture, fiveFailedDisplayReadsStopTheSession) {
  session.startmonmenu_Click();
  unreadableDisplays = 5;
  tick();
  EXPECT_FALSE(monitoring());
  EXPECT_EQ(clock.sleeps.size(), 4u);
  EXPECT_EQ(logLines().size(), 1u);
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
    ASSERT_EQ(port.sends.size(), 3u) << model;
    EXPECT_EQ(port.sends[0], command) << model;
    EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x02, 0x00, 0x00, 0x00, 0x04, 0x06})) << model;
    EXPECT_EQ(port.sends[2], Bytes{0x06}) << model;
    port.close();
  }
  for (const std::string& title : titlesShown())
    EXPECT_EQ(title, "Inverter Selection");
}

} // namespace
} // namespace orvane
