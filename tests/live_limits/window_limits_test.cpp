#include "fakes/session_fixture.h"
#include "live_limits/window_limits.h"

#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

// The consumer the limits take the place of: it must go on hearing the whole session.
struct HeardCalls final : SessionConsumer {
  void identified(const SessionDrive&) override { calls.push_back("identified"); }
  void sampled(WallTime, double seconds, const Reading&) override {
    calls.push_back("sampled " + std::to_string(seconds));
  }
  void happened(WallTime, const SessionEvent& event) override {
    using enum SessionEvent::Kind;
    calls.push_back(event.kind == start ? "start" : event.kind == stop ? "stop" : "other event");
  }
  void linkCounted(const LinkHealth&, Clock::Duration) override {}
  std::vector<std::string> calls;
};

class WindowLimitsTest : public ::testing::Test, protected testing::Session {
protected:
  std::string limitsFile(const std::string& text) {
    const std::string path = (folder() / "limits.conf").string();
    std::ofstream(path) << text;
    return path;
  }
  HeardCalls next;
  std::vector<std::string> heard; // each event's name and text; "-" for a reset
  WindowLimits::Heard hear = [this](const std::vector<LimitEvent>& events) {
    if (events.empty())
      heard.push_back("-");
    for (const LimitEvent& event : events)
      heard.push_back(std::string(limitEventName(event.kind)) + " " + event.text);
  };
};

// A session at 45 Hz against a high limit of 40 Hz held for 1 s: raised at the third reading.
TEST_F(WindowLimitsTest, theSessionsReadingsRaiseALimitAndTheListenerBeforeHearsEverything) {
  connect(R"({"model": "vector", "frequency": 45})");
  session.setConsumer(&next);
  {
    const WindowLimits limits(limitsFile("fast = frequency_hz > 40 for 1\n"), session, &next, messages, hear);
    ASSERT_TRUE(limits.watching());
    session.startmonmenu_Click();
    tick(4);
    session.stopmonmenu_Click();
  }
  EXPECT_EQ(heard, (std::vector<std::string>{"-", "limit fast: frequency_hz 45 > 40 for 1 s", "-"}));
  EXPECT_EQ(next.calls, (std::vector<std::string>{"identified", "start", "sampled 0.000000", "sampled 0.500000",
                                                  "sampled 1.000000", "sampled 1.500000", "stop"}));
  EXPECT_TRUE(messages.shown.empty());
}

TEST_F(WindowLimitsTest, aBadFileIsToldOnceAndMonitoringGoesOnWithoutLimits) {
  const WindowLimits limits(limitsFile("fast = frequency_hz > 40\nslow = speed < 5\n"), session, nullptr, messages,
                            hear);
  EXPECT_FALSE(limits.watching());
  ASSERT_EQ(titles(), std::vector<std::string>{"Limits"});
  EXPECT_NE(messages.shown[0].text.find("line 2"), std::string::npos) << messages.shown[0].text;
  session.startmonmenu_Click();
  tick(2);
  EXPECT_TRUE(monitoring());
  EXPECT_TRUE(heard.empty());
}

} // namespace
} // namespace orvane
