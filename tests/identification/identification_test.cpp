#include "identification/drive_fixture.h"
#include "link/identification.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;

// The frames of the probe as they must appear on the wire.
const Bytes kPanelCommand{0x01, 0x09, 0x05, 0x00, 0x0C};
const Bytes kStepForward{0x02, 0x02, 0x00, 0x00, 0x01, 0x00, 0x03};
const Bytes kResetPanel{0x02, 0x02, 0x00, 0x00, 0x02, 0x00, 0x00};
const Bytes kDisplayCommand{0x01, 0x0A, 0x03, 0x00, 0x09};
const Bytes kDisplayData{0x02, 0x11, 0x00, 0x00, 0x11};
const Bytes kAck{0x06};

// Sends of the model-code read, then of the whole panel probe.
constexpr std::size_t kModelCodeSends = 3;
constexpr std::size_t kProbeSends = kModelCodeSends + 3 * (1 + 6 + 1 + 8 + 1);

// Panel positions at which the probe reads the display.
constexpr int kFirstReading = 6;
constexpr int kSecondReading = 14;

class CheckInverterTest : public testing::DriveFixture {
protected:
  std::int16_t identify() {
    std::int16_t OK = 0;
    Identification(state, link).CheckInverter(OK);
    return OK;
  }
};

TEST_F(CheckInverterTest, modelCodeOneIsProfiWithoutAnyPanelExchange) {
  drive.setModelCode(1);
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 profi");
  EXPECT_EQ(state.statusvalue, 1.0f);
  EXPECT_EQ(port.sends.size(), kModelCodeSends);
  EXPECT_EQ(port.sends[1], (Bytes{0x02, 0x01, 0xF4, 0x03, 0xF6}));
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
}

TEST_F(CheckInverterTest, modelCodeZeroIsMk410) {
  drive.setModelCode(0);
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, "MK410");
  EXPECT_EQ(port.sends.size(), kModelCodeSends);
}

TEST_F(CheckInverterTest, frequencyTextAtTheFirstReadingIsSingleCompact) {
  drive.setModelCode(0x21);
  drive.showAtPanelPosition(kFirstReading, "/Hz   50.00");
  drive.showAtPanelPosition(kSecondReading, "ACC-T  10.0s");
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 single/compact");
}

TEST_F(CheckInverterTest, adjustTextAtTheSecondReadingIsVectorEvenAfterAFrequencyText) {
  drive.setModelCode(0xFF);
  drive.showAtPanelPosition(kFirstReading, "/Hz   50.00");
  drive.showAtPanelPosition(kSecondReading, "ADJ-O  1.00");
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 vector");
}

TEST_F(CheckInverterTest, textsThatMatchNeitherLeaveUnknown) {
  drive.setModelCode(2);
  drive.showAtPanelPosition(kFirstReading, " /Hz  50.00");
  drive.showAtPanelPosition(kSecondReading, "ADJ-0  1.00");
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, "Unknown");
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(beeper.beeps, 0);
}

TEST_F(CheckInverterTest, probePutsThePanelExchangesOnTheWireInOrder) {
  drive.setModelCode(2);
  identify();

  std::vector<Bytes> expected{{0x01, 0x05, 0x03, 0x00, 0x06}, {0x02, 0x01, 0xF4, 0x03, 0xF6}, kAck};
  const auto add = [&](const Bytes& command, const Bytes& data, int times) {
    for (int i = 0; i < times; ++i)
      expected.insert(expected.end(), {command, data, kAck});
  };
  add(kPanelCommand, kResetPanel, 1);
  add(kPanelCommand, kStepForward, 6);
  add(kDisplayCommand, kDisplayData, 1);
  add(kPanelCommand, kStepForward, 8);
  add(kDisplayCommand, kDisplayData, 1);
  ASSERT_EQ(expected.size(), kProbeSends);
  EXPECT_EQ(port.sends, expected);
}

TEST_F(CheckInverterTest, modelCodeIsReadInBinaryAndThePanelInTextThenBinaryAgain) {
  drive.setModelCode(2);
  identify();
  ASSERT_EQ(drive.exchanges.size(), 1u + 1 + 6 + 1 + 8 + 1);
  EXPECT_EQ(drive.exchanges[0].mode, InputMode::Binary);
  for (std::size_t i = 1; i < drive.exchanges.size(); ++i)
    EXPECT_EQ(drive.exchanges[i].mode, InputMode::Text) << "exchange " << i;
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
}

TEST_F(CheckInverterTest, resetsStartCancelledAndOpensAClosedPort) {
  port.close();
  state.startcancelled = 1;
  drive.setModelCode(0);
  identify();
  EXPECT_EQ(state.startcancelled, 0);
  EXPECT_TRUE(port.isOpen());
}

TEST_F(CheckInverterTest, portThatCannotOpenPropagatesAndSendsNothing) {
  port.close();
  port.failOpenWith("no such device");
  EXPECT_THROW(identify(), PortOpenError);
  EXPECT_TRUE(port.sends.empty());
}

TEST_F(CheckInverterTest, failedModelCodeReadReportsThroughTheReadAndSetsOk) {
  state.newinverter = ">Talvik< Q7 vector";
  EXPECT_EQ(identify(), 1);
  EXPECT_TRUE(communicationsErrorShown());
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_EQ(state.newinverter, "Unknown");
  EXPECT_EQ(port.sends.size(), kModelCodeSends);
}

// The drive answers this many frames of the probe, then falls silent.
class SilentMidProbeTest : public CheckInverterTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(SilentMidProbeTest, beepsOnceSetsOkAndChangesNothingElse) {
  const std::size_t answered = GetParam();
  state.inverter = "MK410";
  state.inverterknown = 1;
  drive.setModelCode(2);
  drive.answerOnly(static_cast<int>(answered));
  const Clock::Duration start = clock.now();

  EXPECT_EQ(identify(), 1);
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(stops, 0);
  EXPECT_EQ(state.newinverter, "Unknown");
  EXPECT_EQ(state.inverter, "MK410");
  EXPECT_EQ(state.inverterknown, 1);
  EXPECT_EQ(port.inputMode(), InputMode::Text);
  // Nothing is sent after the unanswered frame, and only its wait ran out.
  EXPECT_EQ(port.sends.size(), answered + 1);
  EXPECT_GT(clock.now() - start, 2s);
  EXPECT_LT(clock.now() - start, 2010ms);
}

INSTANTIATE_TEST_SUITE_P(EveryFrameOfTheProbe, SilentMidProbeTest, ::testing::Range(kModelCodeSends, kProbeSends));

} // namespace
} // namespace orvane
