#include "fakes/trip_session_fixture.h"

#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace orvane::testing {
namespace {

std::string hex(const Bytes& bytes) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  std::string text;
  for (const std::uint8_t byte : bytes) {
    if (!text.empty())
      text += ' ';
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0xF];
  }
  return text;
}

// Every byte of a session both ways, one exchange a line: each frame sent
// ("> ...") followed by what the drive answered to it ("< ..."); a command
// frame begins a new line.
struct Transcript {
  void sent(const Bytes& frame, const Bytes& answer) {
    const bool command = frame.size() == 5 && frame[0] == 0x01;
    if (command || lines.empty())
      lines.emplace_back();
    std::string& line = lines.back();
    line += (line.empty() ? "> " : " > ") + hex(frame);
    if (!answer.empty())
      line += " < " + hex(answer);
  }
  std::vector<std::string> lines;
};

std::vector<std::string> readLines(const std::string& path) {
  std::vector<std::string> lines;
  std::ifstream file(path);
  for (std::string line; std::getline(file, line);)
    lines.push_back(line);
  return lines;
}

// A whole session of each model on the fake line and clock: Start with every
// box ticked, ticks, Stop pressed in the middle of a tick (which ends whole), the trip history
// read, a new start that runs into a trip, Reset with its restart, and the
// final stop. The wire must stay what it was, byte for byte: a change shows
// as a diff of tests/golden/<model>.txt (ORVANE_WRITE_GOLDEN=1 writes them).
class GoldenTranscript : public ::testing::TestWithParam<const char*>, protected TripSession {
protected:
  void record() {
    port.setResponder([this, respond = port.responder()](const Bytes& sent) {
      std::vector<ScriptedSerialPort::Reply> replies = respond(sent);
      Bytes answer;
      for (const ScriptedSerialPort::Reply& reply : replies)
        answer.insert(answer.end(), reply.bytes.begin(), reply.bytes.end());
      transcript.sent(sent, answer);
      return replies;
    });
  }

  Transcript transcript;
};

TEST_P(GoldenTranscript, wholeSessionIsByteForByteTheRecordedWire) {
  const std::string model = GetParam();
  sim::Scenario drive = shippedScenario(model);
  drive.trips.push_back({6.2, 7, ""});
  connect(std::move(drive));
  record();
  for (const char* box :
       {"speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu", "inputmenu", "outputmenu"})
    state.options.setChecked(box, true);
  state.options.setChecked("directiongraph", true);

  session.startmonmenu_Click();
  tick(3);
  // Stop pressed in the middle of the fourth tick, as the window presses it:
  // the port is closed once the tick has ended.
  session.setClosePort([this] {
    if (!link.stopping())
      port.close();
  });
  int points = 0;
  port.onActivity = [&] {
    if (++points == 20) {
      link.requestStop();
      session.stopmonmenu_Click();
    }
  };
  tick(1);
  ASSERT_TRUE(link.stopping());
  port.close();
  link.resume();
  port.onActivity = nullptr;
  trips.tripmenu_Click();
  session.startmonmenu_Click();
  tick(20);
  ASSERT_TRUE(state.trend.visible("tripreset")) << "the drive never tripped";
  session.tripreset_Click();
  tick(2);
  session.stopmonmenu_Click();

  const std::string path = std::string(ORVANE_SOURCE_DIR) + "/tests/golden/" + model + ".txt";
  if (std::getenv("ORVANE_WRITE_GOLDEN")) {
    std::ofstream file(path);
    for (const std::string& line : transcript.lines)
      file << line << '\n';
  }
  const std::vector<std::string> golden = readLines(path);
  const std::vector<std::string>& wire = transcript.lines;
  for (std::size_t at = 0; at < std::max(golden.size(), wire.size()); ++at) {
    const std::string expected = at < golden.size() ? golden[at] : "(nothing)";
    const std::string actual = at < wire.size() ? wire[at] : "(nothing)";
    ASSERT_EQ(actual, expected) << "first differing exchange: line " << at + 1 << " of " << path;
  }
}

INSTANTIATE_TEST_SUITE_P(EveryModel, GoldenTranscript, ::testing::Values("vector", "sc", "mk410", "profi"));

} // namespace
} // namespace orvane::testing
