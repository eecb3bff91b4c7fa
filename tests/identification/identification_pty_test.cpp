#include "identification/drive_sim_fixture.h"
#include "link/lcd_screen.h"

namespace orvane {
namespace {

using namespace std::chrono_literals;

struct ModelCase {
  const char* simulated;
  const char* identified;
};

class IdentificationOverPty : public testing::DriveSimFixture, public ::testing::WithParamInterface<ModelCase> {};

TEST_P(IdentificationOverPty, identifiesTheDriveOnAClosedPort) {
  connect({"--model", GetParam().simulated});
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, GetParam().identified);
  EXPECT_TRUE(port.isOpen());
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
  EXPECT_EQ(beeper.beeps, 0);
  EXPECT_TRUE(messages.shown.empty());
}

INSTANTIATE_TEST_SUITE_P(EveryModel, IdentificationOverPty,
                         ::testing::Values(ModelCase{"sc", ">Talvik< Q7 single/compact"},
                                           ModelCase{"vector", ">Talvik< Q7 vector"}, ModelCase{"mk410", "MK410"},
                                           ModelCase{"profi", ">Talvik< Q7 profi"},
                                           ModelCase{"unknown", "Unknown"}),
                         [](const auto& info) { return std::string(info.param.simulated); });

using ProbeOverPty = testing::DriveSimFixture;

TEST_F(ProbeOverPty, probeAtTheLineSpeedIdentifiesTheVectorDrive) {
  connect({"--model", "vector", "--baud", "4800"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(identify(), 0);
  EXPECT_EQ(state.newinverter, ">Talvik< Q7 vector");
  EXPECT_LT(std::chrono::steady_clock::now() - start, 5s);
}

TEST_F(ProbeOverPty, driveFallingSilentMidProbeBeepsAfterAboutTwoSeconds) {
  connect({"--model", "sc", "--fault", "silent-after=20"});
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(identify(), 1);
  const auto took = std::chrono::steady_clock::now() - start;
  EXPECT_GE(took, 2000ms);
  EXPECT_LT(took, 3500ms); // the time-out, with room for a busy machine
  EXPECT_EQ(beeper.beeps, 1);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.newinverter, "Unknown");
}

TEST_F(ProbeOverPty, displayTextReadShowsThePanelTheProbeLeftOpen) {
  connect({"--scenario", "vector"});
  ASSERT_EQ(identify(), 0);
  state.inverter = state.newinverter;
  std::int16_t OK = 0;
  LcdScreen(state, link).LCDSCR(OK);
  EXPECT_EQ(OK, 0);
  EXPECT_EQ(state.lcdtext.size(), 16u);
  EXPECT_TRUE(state.lcdtext.starts_with("ADJ-O")) << state.lcdtext;
}

TEST_F(ProbeOverPty, panelBlockShowsBothDisplayLines) {
  connect({"--scenario", "mk410"});
  ASSERT_EQ(identify(), 0);
  state.inverter = state.newinverter;
  std::int16_t OK = 0;
  LcdScreen(state, link).LCDSCR(OK);
  EXPECT_EQ(OK, 0);
  EXPECT_EQ(state.lcdtext.size(), 32u);
  EXPECT_NE(state.lcdtext.find("50.00Hz"), std::string::npos) << state.lcdtext;
  EXPECT_NE(state.lcdtext.find("8.3A"), std::string::npos) << state.lcdtext;
}

} // namespace
} // namespace orvane
