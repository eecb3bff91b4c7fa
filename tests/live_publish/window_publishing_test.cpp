#include "acquisition/display_text.h"
#include "fakes/broker_subscriber.h"
#include "fakes/mosquitto_broker.h"
#include "fakes/session_fixture.h"
#include "live_publish/window_publishing.h"
#include "publish/published_reading.h"

#include <gtest/gtest.h>

namespace orvane {
namespace {

using testing::BrokerSubscriber;
using testing::MosquittoBroker;
using testing::ReceivedMessage;

// Every field carries its own reading: distinct values, so a field fed from its neighbour shows.
TEST(PublishedReadingTest, eachFieldCarriesItsOwnReadingAndWhatWasNotReadIsLeftOut) {
  Reading reading;
  reading.frequency = 45;
  reading.frequencyRunState = 1;
  reading.runState = 2;
  reading.current = 8.25;
  reading.currentPercent = 61.5;
  reading.dcLink = 563;
  reading.inputs = 0x301;
  reading.outputs = 0x5;
  const PublishedSample sample = publishedSample(reading, {1000, 3600}, 2.5);
  EXPECT_EQ(sample.clockTime.unixMilliseconds, 1000);
  EXPECT_EQ(sample.sessionSeconds, 2.5);
  EXPECT_EQ(sample.direction, RotationDirection::reverse);
  EXPECT_EQ(sample.runState, RunState::running);
  EXPECT_EQ(sample.frequencyHz, 45.0);
  EXPECT_EQ(sample.currentAmperes, 8.25);
  EXPECT_EQ(sample.currentPercent, 61.5);
  EXPECT_EQ(sample.dcLinkVolts, 563.0);
  EXPECT_EQ(sample.inputTerminals, 0x301);
  EXPECT_EQ(sample.outputTerminals, 0x5);
  EXPECT_EQ(sample.tripped, false);
  const PublishedSample unread = publishedSample(Reading{}, {}, 0);
  EXPECT_FALSE(unread.frequencyHz || unread.currentAmperes || unread.currentPercent || unread.dcLinkVolts ||
               unread.inputTerminals || unread.outputTerminals);

  reading.runState.reset();
  EXPECT_EQ(publishedSample(reading, {}, 0).direction, RotationDirection::forward); // read with the frequency
  reading.frequencyRunState = 0;
  EXPECT_EQ(publishedSample(reading, {}, 0).runState, RunState::stopped);
  EXPECT_FALSE(publishedSample(reading, {}, 0).direction);
  reading.frequencyRunState = 7; // a value no direction has
  EXPECT_FALSE(publishedSample(reading, {}, 0).runState || publishedSample(reading, {}, 0).direction);

  EXPECT_EQ(trimmedDisplay("ERR E07 OVERVOLT"
                           "PRESS STOP/RESET"),
            "ERR E07 OVERVOLT PRESS STOP/RESET");
  EXPECT_EQ(trimmedDisplay("  50.00Hz FWD   "
                           "                "),
            "50.00Hz FWD");
}

class WindowPublishingTest : public ::testing::Test, protected testing::Session {
protected:
  std::string config(const std::string& text) {
    const std::string path = (folder() / "mqtt.conf").string();
    std::ofstream(path) << text;
    return path;
  }
};

TEST_F(WindowPublishingTest, aBadFileIsToldOnceAndMonitoringGoesOnUnpublished) {
  {
    const WindowPublishing publishing((folder() / "absent.conf").string(), session, messages);
    EXPECT_FALSE(publishing.publishing());
    EXPECT_TRUE(messages.shown.empty());
  }
  const WindowPublishing publishing(config("url=mqtt://broker.example/plant\nport=1884\n"), session, messages);
  EXPECT_FALSE(publishing.publishing());
  ASSERT_EQ(titles(), std::vector<std::string>{"MQTT"});
  EXPECT_NE(messages.shown[0].text.find("line 2"), std::string::npos) << messages.shown[0].text;
  session.startmonmenu_Click();
  tick(3);
  EXPECT_TRUE(monitoring());
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(logLines().size(), 4u);
}

bool hasTrip(const std::vector<ReceivedMessage>& received) {
  return std::ranges::any_of(received, [](const ReceivedMessage& message) {
    return message.payload.find(R"("event":"trip")") != std::string::npos;
  });
}

TEST_F(WindowPublishingTest, theStatusEveryLoggedReadingAndEachEventReachTheBrokerAcrossAResetAndAFailure) {
  std::filesystem::create_directories(folder() / "broker");
  MosquittoBroker broker(folder() / "broker");
  BrokerSubscriber subscriber(broker.port(), "plant/#");
  connect(
      R"({"model": "vector", "frequency": 45, "trips": [{"at": 1.2, "code": 7, "text": "ERR E07 OVERVOLT"}]})");
  {
    const WindowPublishing publishing(config("url=mqtt://127.0.0.1:" + std::to_string(broker.port()) + "/plant\n"),
                                      session, messages);
    ASSERT_TRUE(publishing.publishing());
    session.startmonmenu_Click();
    tick(4);
    ASSERT_TRUE(subscriber.waitFor(hasTrip));
    session.tripreset_Click();
    silent = true;
    tick();
  }
  ASSERT_TRUE(subscriber.waitFor([](const std::vector<ReceivedMessage>& received) {
    return !received.empty() && received.back().payload.starts_with(R"({"state":"offline")");
  }));
  // Samples and events keep their order; the status is a topic of its own, retained, whose
  // messages may come before or after an event sent at about the same time.
  const std::string status = R"("model":">Talvik< Q7 vector","max_frequency_hz":50,"sample_rate_s":0.5,)"
                             R"("dropped_messages":0})";
  std::vector<std::string> seen;
  int statuses = 0;
  for (const ReceivedMessage& message : subscriber.received()) {
    const std::string& json = message.payload;
    if (message.topic == "plant/sample")
      seen.push_back("sample " + json.substr(json.find("\"session_s\"")));
    else if (message.topic == "plant/event")
      seen.push_back("event " + json.substr(json.find("\"event\"")));
    else if (json.find("\"model\"") != std::string::npos) {
      ++statuses;
      EXPECT_EQ(json.substr(json.find("\"model\"")), status);
    }
  }
  EXPECT_EQ(statuses, 3) << "with the model identified, at the second start, and offline at the end";
  EXPECT_EQ(seen, (std::vector<std::string>{
                      R"(event "event":"start"})", R"(sample "session_s":0,"frequency_hz":45,"tripped":false})",
                      R"(sample "session_s":0.5,"frequency_hz":45,"tripped":false})",
                      R"(event "event":"trip","text":"ERR E07 OVERVOLT","trip_history":[]})",
                      R"(event "event":"stop"})", R"(event "event":"start"})",
                      R"(event "event":"failure","text":"the drive's display cannot be read"})",
                      R"(event "event":"stop"})"}));
}

TEST_F(WindowPublishingTest, aSixTripDrivesRatedCurrentJoinsTheStatusWithItsFirstCurrentReading) {
  std::filesystem::create_directories(folder() / "broker");
  MosquittoBroker broker(folder() / "broker");
  BrokerSubscriber subscriber(broker.port(), "plant/status");
  connect(R"({"model": "mk410", "current": 8.3})");
  state.options.setChecked("currentmenu", true);
  const WindowPublishing publishing(config("url=mqtt://127.0.0.1:" + std::to_string(broker.port()) + "/plant\n"),
                                    session, messages);
  session.startmonmenu_Click();
  tick();
  EXPECT_TRUE(subscriber.waitFor([](const std::vector<ReceivedMessage>& received) {
    return !received.empty() && received.back().payload.find(R"("rated_current_a":16.5)") != std::string::npos;
  }));
}

// The link's counts join the retained status at once, then a change at most once a minute: the
// status the next start publishes still has the first counts, 30 s later; a minute later the new ones.
TEST_F(WindowPublishingTest, theLinksCountsJoinTheStatusAtMostOnceAMinute) {
  using namespace std::chrono_literals;
  std::filesystem::create_directories(folder() / "broker");
  MosquittoBroker broker(folder() / "broker");
  BrokerSubscriber subscriber(broker.port(), "plant/status");
  connect(R"({"model": "vector", "frequency": 45})");
  const WindowPublishing publishing(config("url=mqtt://127.0.0.1:" + std::to_string(broker.port()) + "/plant\n"),
                                    session, messages);
  const auto published = [&subscriber](const std::string& text) {
    return subscriber.waitFor([&text](const std::vector<ReceivedMessage>& received) {
      return !received.empty() && received.back().payload.find(text) != std::string::npos;
    });
  };
  publishing.publishLinkHealth({10, 1, 2, 3}, 0s);
  ASSERT_TRUE(published(R"("link":{"exchanges":10,"timeouts":1,"retries":2,"late_ticks":3}})"));
  publishing.publishLinkHealth({11, 1, 2, 3}, 30s);
  session.startmonmenu_Click();
  ASSERT_TRUE(published(R"("model")"));
  EXPECT_NE(subscriber.received().back().payload.find(R"("exchanges":10,)"), std::string::npos);
  publishing.publishLinkHealth({12, 1, 2, 3}, 60s);
  EXPECT_TRUE(published(R"("exchanges":12,)"));
}

} // namespace
} // namespace orvane
