#include "fakes/engine_line.h"
#include "monitor/identification.h"
#include "monitor/platform_acquisition_events.h"
#include "state/shared_state.h"

#include <deque>
#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;
using sim::Model;

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

class CheckInverterTest : public ::testing::Test, protected EngineLine {
protected:
  CheckInverterTest() {
    connect(driveOf(Model::Unknown));
    port.open();
  }

  int stops = 0; // "Stop Monitor" runs
  std::int16_t identify() {
    std::int16_t OK = 0;
    PlatformAcquisitionEvents events(link, ui);
    Acquisition acquisition(link, events);
    Identification(state, link, acquisition, ui, [this] { ++stops; }).CheckInverter(OK);
    return OK;
  }

  // The display shows these texts at the probe's readings, in turn.
  void showAtReadings(std::deque<std::string> texts) {
    port.setResponder([respond = port.responder(), texts, displayRead = false](const Bytes& sent) mutable {
      std::vector<ScriptedSerialPort::Reply> replies = respond(sent);
      if (sent == kDisplayCommand)
        displayRead = true;
      if (displayRead && sent == kAck) {
        Bytes reply{0x02};
        texts.front().resize(16, ' ');
        reply.insert(reply.end(), texts.front().begin(), texts.front().end());
        reply.insert(reply.end(), {0x00, 0x00});
        replies = {{reply}};
        texts.pop_front();
        displayRead = false;
      }
      return replies;
    });
  }

  SharedState state;
  SameThread ui;
};

TEST_F(CheckInverterTest, probePutsThePanelExchangesOnTheWireInOrder) {
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

TEST_F(CheckInverterTest, onlyTextsStartingExactlyWithTheMarksCountAndTheSecondReadingWins) {
  const std::tuple<const char*, const char*, const char*> cases[] = {
      {"/Hz   50.00", "ACC-T  10.0s", ">Talvik< Q7 single/compact"},
      {"/Hz   50.00", "ADJ-O  1.00", ">Talvik< Q7 vector"},
      {" /Hz  50.00", "ADJ-0  1.00", "Unknown"},
      {"/hz   50.00", "adj-o  1.00", "Unknown"}};
  for (const auto& [first, second, name] : cases) {
    connect(driveOf(Model::Unknown));
    showAtReadings({first, second});
    EXPECT_EQ(identify(), 0);
    EXPECT_EQ(state.drive.newinverter, name) << first << " / " << second;
  }
}

// The drive answers every frame of the probe up to one, then falls silent:
// one beep, OK set, and nothing sent after the unanswered frame.
TEST_F(CheckInverterTest, driveFallingSilentAtAnyFrameOfTheProbeBeepsOnceAndChangesNothingElse) {
  state.drive.inverter = "MK410";
  state.drive.inverterknown = true;
  for (std::size_t answered = kModelCodeSends; answered < kProbeSends; ++answered) {
    SCOPED_TRACE(answered);
    beeper.beeps = 0;
    sim::EngineOptions silentAfter;
    silentAfter.silentAfterFrames = static_cast<int>(answered);
    connect(driveOf(Model::Unknown), silentAfter);
    const Clock::Duration start = clock.now();
    EXPECT_EQ(identify(), 1);
    EXPECT_EQ(beeper.beeps, 1);
    EXPECT_EQ(port.sends.size(), answered + 1);
    EXPECT_LT(clock.now() - start, 2010ms);
  }
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(stops, 0);
  EXPECT_EQ(state.drive.newinverter, "Unknown");
  EXPECT_EQ(state.drive.inverter, "MK410");
  EXPECT_TRUE(state.drive.inverterknown);
}

} // namespace
} // namespace orvane::testing
