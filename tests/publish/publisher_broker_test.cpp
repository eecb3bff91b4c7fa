#include "fakes/broker_subscriber.h"
#include "fakes/mosquitto_broker.h"
#include "publish/broker_settings.h"
#include "publish/message_json.h"
#include "publish/publisher.h"

#include <csignal>
#include <fstream>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <poll.h>
#include <set>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace orvane {
using testing::BrokerSubscriber;
using testing::MosquittoBroker;
using testing::ReceivedMessage;

namespace {

using namespace std::chrono_literals;

const PublishedStatus kStatus{">Talvik< Q7 vector", 16.5, 50, 0.5};

PublishedEvent eventAt(std::int64_t second, EventKind kind) {
  return {{1'700'000'000'000 + second * 1000, 3600}, kind, {}, {}};
}

PublishedSample sampleAt(double seconds) {
  const ClockTime time{1'700'000'000'000 + static_cast<std::int64_t>(seconds * 1000), 3600};
  return {time, seconds, 49.5, 8.3, 50.3, 560, false, RotationDirection::forward, RunState::running, 5, 1};
}

bool any(const std::vector<ReceivedMessage>& received) { return !received.empty(); }

bool endsOffline(const std::vector<ReceivedMessage>& received) {
  return any(received) && received.back().payload.starts_with(R"({"state":"offline")");
}

// Waits for a condition of the publisher's own side, up to a generous limit.
bool eventually(const std::function<bool()>& condition) {
  for (int i = 0; i < 3000 && !condition(); ++i)
    std::this_thread::sleep_for(10ms);
  return condition();
}

class PublisherAgainstBroker : public ::testing::Test {
protected:
  BrokerSettings settingsFor(const std::string& url, const std::string& caFile = {},
                             const std::string& passwordFile = {}) {
    const BrokerSettingsResult result = brokerSettings(url, caFile, passwordFile);
    EXPECT_TRUE(result.settings) << result.error;
    return result.settings.value_or(BrokerSettings{});
  }
  BrokerSettings plainSettings(int port) {
    return settingsFor("mqtt://127.0.0.1:" + std::to_string(port) + "/plant/drive1");
  }
  // Each file the owner's alone, as a password file must be.
  std::string file(const std::string& name, const std::string& text) {
    std::ofstream((folder / name).string()) << text;
    std::filesystem::permissions(folder / name, std::filesystem::perms::owner_read);
    return (folder / name).string();
  }
  void run(const std::string& command) {
    ASSERT_EQ(std::system(("cd " + folder.string() + " && " + command).c_str()), 0);
  }

  std::filesystem::path folder = [] {
    std::string pattern = ::testing::TempDir() + "/publish-XXXXXX";
    return std::filesystem::path(mkdtemp(pattern.data()));
  }();
  const PublisherOptions quick{0.5, 100ms, 400ms};
};

TEST_F(PublisherAgainstBroker, deliversEveryMessageInOrderAndLeavesTheStatusRetainedOffline) {
  MosquittoBroker broker(folder);
  BrokerSubscriber subscriber(broker.port(), "plant/drive1/#");
  const PublishedEvent trip{{1'700'000'001'000, 3600}, EventKind::trip, "ERR OC", {"1 OC1", "2 OU2"}};
  std::vector<std::string> expected = {eventJson(eventAt(0, EventKind::start))};
  {
    Publisher publisher(plainSettings(broker.port()), quick);
    publisher.publishStatus(kStatus);
    publisher.publishEvent(eventAt(0, EventKind::start));
    for (double seconds : {0.0, 0.5, 1.0}) {
      publisher.publishSample(sampleAt(seconds));
      expected.push_back(sampleJson(sampleAt(seconds)));
    }
    publisher.publishEvent(trip);
    publisher.publishEvent(eventAt(2, EventKind::stop));
    expected.push_back(eventJson(trip));
    expected.push_back(eventJson(eventAt(2, EventKind::stop)));
    ASSERT_TRUE(subscriber.waitFor([](const auto& received) { return received.size() >= 7; }));
    publisher.finish(10s);
    EXPECT_EQ(publisher.health().droppedMessages, 0u);
  }
  ASSERT_TRUE(subscriber.waitFor(endsOffline));
  std::vector<std::string> samplesAndEvents;
  for (const ReceivedMessage& message : subscriber.received())
    if (message.topic != "plant/drive1/status")
      samplesAndEvents.push_back(message.payload);
  EXPECT_EQ(samplesAndEvents, expected);
  EXPECT_EQ(subscriber.received().front().payload, statusJson(kStatus, true, 0));

  BrokerSubscriber late(broker.port(), "plant/drive1/status");
  ASSERT_TRUE(late.waitFor(any));
  EXPECT_TRUE(late.received().front().retained);
  EXPECT_EQ(late.received().front().payload, statusJson(kStatus, false, 0));
}

// The status comes after the connection, as the drive is identified after the broker is reached:
// the will must name the model all the same.
TEST_F(PublisherAgainstBroker, theBrokersLastWillMarksAKilledPublisherOfflineNamingItsModel) {
  MosquittoBroker broker(folder);
  const pid_t child = fork();
  if (child == 0) {
    Publisher publisher(plainSettings(broker.port()), quick);
    eventually([&] { return publisher.health().connected; });
    publisher.publishStatus(kStatus);
    pause();
    _exit(1);
  }
  BrokerSubscriber subscriber(broker.port(), "plant/drive1/status");
  ASSERT_TRUE(subscriber.waitFor([](const auto& received) {
    return !received.empty() && received.back().payload == statusJson(kStatus, true, 0);
  }));
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
  ASSERT_TRUE(subscriber.waitFor(endsOffline));
  BrokerSubscriber late(broker.port(), "plant/drive1/status");
  ASSERT_TRUE(late.waitFor(any));
  EXPECT_EQ(late.received().back().payload, statusJson(kStatus, false, 0));
}

// The restart is the hard case: the broker is killed while it holds samples it has not
// acknowledged, so only the publisher's copies can bring them back.
TEST_F(PublisherAgainstBroker, aBrokerKilledAndRestartedMidSessionLosesNoSample) {
  MosquittoBroker broker(folder);
  BrokerSubscriber subscriber(broker.port(), "plant/drive1/sample", "restart-watcher");
  Publisher publisher(plainSettings(broker.port()), quick);
  std::set<std::string> expected;
  const auto publishUpTo = [&](int count) {
    for (int i = static_cast<int>(expected.size()); i < count; ++i) {
      publisher.publishSample(sampleAt(i * 0.5));
      expected.insert(sampleJson(sampleAt(i * 0.5)));
    }
  };
  const auto allArrived = [&](const std::vector<ReceivedMessage>& received) {
    std::set<std::string> payloads;
    for (const ReceivedMessage& message : received)
      payloads.insert(message.payload);
    return payloads == expected;
  };
  publishUpTo(10);
  ASSERT_TRUE(subscriber.waitFor(allArrived));
  broker.freeze();
  publishUpTo(40);
  ASSERT_TRUE(eventually([&] { return publisher.health().waitingMessages == 10; })); // 20 unacknowledged
  broker.stop(SIGKILL);
  ASSERT_TRUE(eventually([&] { return !publisher.health().connected; }));
  publishUpTo(60);
  broker.start();
  EXPECT_TRUE(subscriber.waitFor(allArrived));
  EXPECT_EQ(publisher.health().droppedMessages, 0u);
}

// A broker of the test's own on a loopback port, so that the test counts the attempts and
// decides which ones succeed.
class CountingBroker {
public:
  CountingBroker() {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(listener_, reinterpret_cast<sockaddr*>(&address), length);
    listen(listener_, 4);
    getsockname(listener_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
  }
  ~CountingBroker() { close(listener_); }
  int port() const { return port_; }
  // The next connection attempt made within the limit, or -1.
  int nextAttempt(std::chrono::milliseconds limit) {
    pollfd waiting{listener_, POLLIN, 0};
    return poll(&waiting, 1, static_cast<int>(limit.count())) == 1 ? accept(listener_, nullptr, nullptr) : -1;
  }
  static void acceptConnection(int connection) {
    char connect[256];
    (void)!recv(connection, connect, sizeof connect, 0);
    const unsigned char connack[] = {0x20, 0x02, 0x00, 0x00};
    (void)!send(connection, connack, sizeof connack, MSG_NOSIGNAL);
  }

private:
  int listener_ = socket(AF_INET, SOCK_STREAM, 0);
  int port_ = 0;
};

// Eleven failures grow the pause to 2 s; a connection that succeeded must bring the next outage
// back to the first pause of 1 ms. The limit of 1 s can only fail a publisher that waits too long.
TEST_F(PublisherAgainstBroker, theBackOffStartsAgainFromItsFirstPauseAfterAConnectionSucceeded) {
  CountingBroker broker;
  Publisher publisher(plainSettings(broker.port()), PublisherOptions{0.5, 1ms, 3600s});
  for (int attempt = 0; attempt < 11; ++attempt) {
    const int refused = broker.nextAttempt(5s);
    ASSERT_GE(refused, 0) << attempt;
    close(refused);
  }
  const int accepted = broker.nextAttempt(5s);
  ASSERT_GE(accepted, 0);
  CountingBroker::acceptConnection(accepted);
  ASSERT_TRUE(eventually([&] { return publisher.health().connected; }));
  close(accepted);
  const int again = broker.nextAttempt(1s);
  EXPECT_GE(again, 0);
  close(again);
  publisher.finish(0ms);
}

TEST_F(PublisherAgainstBroker, refusedCredentialsAreReportedWhileTheQueueStillTakesSamples) {
  run("mosquitto_passwd -b -c passwords watch right-secret");
  MosquittoBroker broker(folder, "allow_anonymous false\npassword_file " + (folder / "passwords").string() + "\n");
  const std::string url = "mqtt://watch@127.0.0.1:" + std::to_string(broker.port()) + "/plant/drive1";

  Publisher refused(settingsFor(url, {}, file("wrong", "wrong-secret\n")), quick);
  for (int i = 0; i < 100; ++i)
    refused.publishSample(sampleAt(i));
  ASSERT_TRUE(eventually([&] { return !refused.health().lastError.empty(); }));
  const PublisherHealth health = refused.health();
  EXPECT_NE(health.lastError.find("refused the connection"), std::string::npos) << health.lastError;
  EXPECT_NE(health.lastError.find("not authorised"), std::string::npos) << health.lastError;
  EXPECT_FALSE(health.connected);
  EXPECT_EQ(health.waitingMessages, 100u);
  refused.finish(0ms);

  Publisher accepted(settingsFor(url, {}, file("right", "right-secret")), quick);
  accepted.publishSample(sampleAt(0));
  EXPECT_TRUE(eventually([&] { return accepted.health().waitingMessages == 0 && accepted.health().connected; }));
}

TEST_F(PublisherAgainstBroker, tlsReachesABrokerWhoseCertificateTheGivenCaSignedAndNoOther) {
  const std::string key = "-newkey ec -pkeyopt ec_paramgen_curve:prime256v1 -nodes";
  run("openssl req -x509 " + key + " -keyout ca.key -out ca.pem -days 2 -subj /CN=test-ca 2>/dev/null");
  run("openssl req -x509 " + key + " -keyout other.key -out other.pem -days 2 -subj /CN=other-ca 2>/dev/null");
  run("openssl req " + key + " -keyout server.key -out server.csr -subj /CN=localhost 2>/dev/null");
  file("san", "subjectAltName=DNS:localhost,IP:127.0.0.1\n");
  run("openssl x509 -req -in server.csr -CA ca.pem -CAkey ca.key -CAcreateserial -days 2 -extfile san "
      "-out server.pem 2>/dev/null");
  const int tlsPort = MosquittoBroker::freePort();
  MosquittoBroker broker(folder, "allow_anonymous true\nlistener " + std::to_string(tlsPort) +
                                     " 127.0.0.1\ncertfile " + (folder / "server.pem").string() + "\nkeyfile " +
                                     (folder / "server.key").string() + "\n");
  BrokerSubscriber subscriber(broker.port(), "plant/drive1/sample");
  const std::string url = "mqtts://localhost:" + std::to_string(tlsPort) + "/plant/drive1";

  Publisher trusting(settingsFor(url, (folder / "ca.pem").string()), quick);
  trusting.publishSample(sampleAt(1));
  ASSERT_TRUE(subscriber.waitFor(any));
  EXPECT_EQ(subscriber.received().front().payload, sampleJson(sampleAt(1)));
  // Only now: libmosquitto sets TLS up at its first use, and not safely from two threads at once.
  Publisher untrusting(settingsFor(url, (folder / "other.pem").string()), quick);
  ASSERT_TRUE(eventually([&] { return !untrusting.health().lastError.empty(); }));
  EXPECT_FALSE(untrusting.health().connected);
  EXPECT_NE(untrusting.health().lastError.find("certificate verify failed"), std::string::npos)
      << untrusting.health().lastError;
  untrusting.finish(0ms);
}

} // namespace
} // namespace orvane
