#include "faults/fault_session.h"

#include <chrono>
#include <thread>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using Captions = std::vector<std::string>;

// The MK410 of the shipped scenario (two trips, the newest in area 3), which
// trips on overvoltage `at` seconds after the simulator started.
std::string mk410TrippingAt(double at) {
  return R"({"model": "mk410", "voltage_class": "low", "size_code": 5, "max_frequency": 50, "frequency": 50,
    "current": 8.3, "dc_link": 330, "running_hours": 52,
    "history": {"counter": 2, "index": 2, "records": [
      {"area": 2, "code": 9, "frequency": 0, "percent": 0, "dc_link": 208, "hours": 31},
      {"area": 3, "code": 4, "frequency": 50, "percent": 187, "dc_link": 331, "hours": 48}]},
    "trips": [{"at": )" +
         std::to_string(at) + R"(, "code": 7}]})";
}

// A session runs; the user reads the trip history, and the drive trips while
// the records are being read. Every read takes a quarter of a second, so the
// read spans seconds; the trip falls after the counter and the index were read.
TEST_F(FaultSession, tripDuringTheTripHistoryReadIsShownByTheNextTickAndTheNextRead) {
  const auto pluggedIn = std::chrono::steady_clock::now();
  plugIn({"--scenario", scenario(mk410TrippingAt(4.25)), "--reply-delay-ms", "200", "--reply-delay-kind", "read"});
  storeSettings(kSpeedOnly);
  startUp();
  session.startmonmenu_Click();
  ASSERT_EQ(sample(2), 2);
  const std::vector<std::string> written = logLines();

  // Identification, counter and index take three reads: done by about 3.3 s;
  // the ten record reads then run to about 5.8 s.
  std::this_thread::sleep_until(pluggedIn + 2500ms);
  trips.tripmenu_Click();

  EXPECT_TRUE(messages.shown.empty());
  ASSERT_EQ(tripWindow.shown.size(), 1u);
  const TripHistoryForm during = tripWindow.shown[0];
  EXPECT_EQ(during.Totaltrip, "2");
  EXPECT_EQ(trip(during, 1), (Captions{"Overcurrent", "50 Hz", "187 %", "331 Vdc", "48 Hours"}));
  EXPECT_EQ(trip(during, 2), (Captions{"Under Voltage", "0 Hz", "0 %", "208 Vdc", "31 Hours"}));
  EXPECT_EQ(trip(during, 3), Captions(5));
  // Still monitoring; each record read closed the port, and the next tick opens it again.
  EXPECT_EQ(look(), (SessionLook{true, false, true, false, true, false}));

  // The next tick finds the trip: sampling stops and the reset is offered.
  sample(1);
  EXPECT_TRUE(state.trend.visible("trippiccy"));
  EXPECT_TRUE(state.trend.visible("tripreset"));
  EXPECT_TRUE(state.trend.enabled("resetmenu"));
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_TRUE(state.trend.checked("startmonmenu"));
  EXPECT_EQ(logLines(), written);

  // "Reset": the drive is reset and monitoring starts again.
  session.tripreset_Click();
  EXPECT_EQ(look(), kMonitoring);
  sample(1);
  EXPECT_FALSE(state.trend.visible("trippiccy"));
  EXPECT_FALSE(state.trend.enabled("resetmenu"));

  trips.tripmenu_Click();
  ASSERT_EQ(tripWindow.shown.size(), 2u);
  const TripHistoryForm after = tripWindow.shown[1];
  EXPECT_EQ(after.Totaltrip, "3");
  EXPECT_EQ(trip(after, 1), (Captions{"Over Voltage from Regeneration", "50 Hz", "50 %", "330 Vdc", "52 Hours"}));
  EXPECT_EQ(trip(after, 2), trip(during, 1));
  EXPECT_EQ(trip(after, 3), trip(during, 2));
  EXPECT_TRUE(messages.shown.empty());
  session.stopmonmenu_Click();
  EXPECT_EQ(look(), kIdle);
}

std::string changedModel(const char* from, const char* to, const char* ending) {
  return std::string("The Inverter connected has been changed from a ") + from + " to a " + to + ending;
}

// Two drives of different models, one after the other on the same port.
TEST_F(FaultSession, modelChangedBetweenTwoStartsIsTakenOnlyWithTheUsersYes) {
  plugIn({"--scenario", "vector"});
  storeSettings(kEverythingMonitored);
  startUp();
  session.startmonmenu_Click();
  ASSERT_EQ(sample(2), 2);
  session.stopmonmenu_Click();
  const std::vector<std::string> written = logLines();

  unplug();
  plugIn({"--scenario", "mk410"});
  messages.answers = {MessageAnswer::No};
  session.startmonmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>{"Inverter Selection"});
  EXPECT_EQ(messages.shown[0].text,
            changedModel(">Talvik< Q7 vector", "MK410", ".\nThe graph will be cleared. Continue?"));
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(look(), kIdle);
  EXPECT_EQ(state.inverter, ">Talvik< Q7 vector");
  EXPECT_EQ(state.samplecount, 2);
  EXPECT_EQ(logLines(), written);

  session.startmonmenu_Click();

  EXPECT_EQ(titles(), std::vector<std::string>(2, "Inverter Selection"));
  EXPECT_EQ(look(), kMonitoring);
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(state.samplecount, 0);
  for (const char* shown : {"Image7off", "Label38", "ImageFWoff", "Label40", "Image15off", "Label37"})
    EXPECT_TRUE(state.trend.visible(shown)) << shown;
  sample(1);
  EXPECT_EQ(logLines(), (std::vector<std::string>{kSessionLogHeader, "0,50,8.3,50.30303,330"}));
  session.stopmonmenu_Click();
  EXPECT_EQ(look(), kIdle);
}

TEST_F(FaultSession, modelChangedBeforeTheTripHistoryIsReadOnlyWithTheUsersYes) {
  plugIn({"--scenario", "vector"});
  startUp();
  trips.tripmenu_Click();
  ASSERT_EQ(tripWindow.shown.size(), 1u);
  EXPECT_EQ(tripWindow.shown[0].Width, 4815);

  unplug();
  plugIn({"--scenario", "mk410"});
  messages.answers = {MessageAnswer::No};
  trips.tripmenu_Click();

  ASSERT_EQ(titles(), std::vector<std::string>{"Inverter Selection"});
  EXPECT_EQ(messages.shown[0].text, changedModel(">Talvik< Q7 vector", "MK410", ". Do you wish to continue?"));
  EXPECT_EQ(tripWindow.shown.size(), 1u);
  EXPECT_EQ(state.inverter, ">Talvik< Q7 vector");
  EXPECT_EQ(look(), kIdle);

  trips.tripmenu_Click();

  EXPECT_EQ(titles(), std::vector<std::string>(2, "Inverter Selection"));
  ASSERT_EQ(tripWindow.shown.size(), 2u);
  EXPECT_EQ(tripWindow.shown[1].Width, 9540);
  EXPECT_EQ(tripWindow.shown[1].Totaltrip, "2");
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(look(), kIdle);
}

} // namespace
} // namespace orvane::testing
