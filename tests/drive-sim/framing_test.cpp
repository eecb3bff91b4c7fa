#include "host.h"

#include <gtest/gtest.h>

namespace orvane::sim::testing {
namespace {

const Bytes kReadFC04Command{0x01, 0x05, 0x03, 0x00, 0x06};
const Bytes kReadFC04Data{0x02, 0x02, 0x04, 0xFC, 0xFA};
const Bytes kFifty{0x02, 0x13, 0x88, 0x9B};

Bytes joined(std::initializer_list<Bytes> parts) {
  Bytes all;
  for (const Bytes& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

ProtocolEngine fiftyHertz() {
  Scenario scenario = scenarioFor(Model::Q7SingleCompact);
  scenario.frequency = Timeline::constant(50);
  return ProtocolEngine(Drive(scenario));
}

TEST(Framing, transactionSplitIntoSingleBytesOrSentTwiceAtOnceGetsTheSameReplies) {
  ProtocolEngine engine = fiftyHertz();
  Host host(engine);
  const Bytes request = joined({kReadFC04Command, kReadFC04Data, {0x06}});
  Bytes replies;
  for (const std::uint8_t byte : request) {
    const Bytes reply = host.send({byte});
    replies.insert(replies.end(), reply.begin(), reply.end());
  }
  const Bytes once = joined({{0x06}, {0x06, 0x05, 0x03, 0x00, 0x06}, kFifty});
  EXPECT_EQ(replies, once);
  EXPECT_EQ(host.send(joined({request, request})), joined({once, once}));
}

TEST(Framing, garbageFalseStartsAndAbandonedOrBadFramesGiveWayToTheNextCommandFrame) {
  ProtocolEngine engine = fiftyHertz();
  Host host(engine);
  std::vector<std::string> transcript;
  engine.setTranscript([&transcript](const std::string& line) { transcript.push_back(line); });
  EXPECT_EQ(host.send(joined({{0x55, 0xAA, 0x00, 0x06, 0x02}, kReadFC04Command})), Bytes{0x06});
  ASSERT_FALSE(transcript.empty());
  EXPECT_EQ(transcript.front(), "skipped 5 bytes: 55 AA 00 06 02");
  EXPECT_EQ(host.send(joined({{0x01, 0x01}, kReadFC04Command})), Bytes{0x06}); // a false start
  host.send(kReadFC04Data);
  EXPECT_EQ(host.send(kReadFC04Command), Bytes{0x06});            // the last transaction abandoned
  EXPECT_TRUE(host.send({0x02, 0x02, 0x04, 0xFC, 0x00}).empty()); // a bad checksum
  EXPECT_TRUE(host.send({0x06}).empty());
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x13, 0x88}));
}

TEST(Framing, unknownCommandOrReadLengthIsRefused) {
  ProtocolEngine engine = fiftyHertz();
  Host host(engine);
  EXPECT_EQ(host.send(Host::commandFrame(0x33, 3)), Bytes{0x15});
  host.send(Host::commandFrame(0x05, 3));
  EXPECT_EQ(host.send(Host::dataFrame({0x05, 0x04, 0xFC})), Bytes{0x15});
  EXPECT_EQ(host.read(0xFC04, 2), (Bytes{0x13, 0x88}));
}

} // namespace
} // namespace orvane::sim::testing
