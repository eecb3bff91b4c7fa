#include "identification/drive_sim_fixture.h"
#include "link/live_values.h"
#include "link/model_change.h"

namespace orvane {
namespace {

// What a drive-sim scenario holds still at.
struct Scenario {
  const char* name;
  float maxSpeed;
  std::int16_t voltCode;
  float speed;
  double current;
  double percent;
  double dcLink;
};

class LiveValuesOverPty : public testing::DriveSimFixture, public ::testing::WithParamInterface<Scenario> {};

TEST_P(LiveValuesOverPty, identifiedDriveGivesItsScenarioValues) {
  const Scenario& scenario = GetParam();
  connect({"--scenario", scenario.name});
  ASSERT_EQ(identify(), 0);
  ASSERT_EQ(applyModelChange(state, messages, ModelChangeQuestion::BeforeMonitoring), ModelChangeOutcome::Taken);

  LiveValues values(state, link);
  std::int16_t OK = 0;
  values.GetMaxSpeed(OK);
  values.GetVoltCode(OK);
  values.GetSpeed(OK);
  values.GetAmps(OK);
  values.GetDCVolts(OK);
  EXPECT_EQ(OK, 0);
  EXPECT_TRUE(messages.shown.empty());
  EXPECT_EQ(state.maxspeed, scenario.maxSpeed);
  EXPECT_EQ(state.voltcode, scenario.voltCode);
  EXPECT_EQ(state.speedvalue, scenario.speed);
  EXPECT_DOUBLE_EQ(state.ampstext, scenario.current);
  EXPECT_NEAR(state.ampspct, scenario.percent, 0.05);
  EXPECT_DOUBLE_EQ(state.dcvoltsvalue, scenario.dcLink);
}

INSTANTIATE_TEST_SUITE_P(EveryModel, LiveValuesOverPty,
                         ::testing::Values(Scenario{"sc", 50, 1, 50, 4.2, 84, 320},
                                           Scenario{"vector", 60, 2, 45, 12.5, 78.1, 560},
                                           Scenario{"mk410", 50, 1, 50, 8.3, 50.3, 330},
                                           Scenario{"profi", 60, 2, 40, 18.5, 50, 600}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace orvane
