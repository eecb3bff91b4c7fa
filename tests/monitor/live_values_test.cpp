#include "engine/scenario_json.h"
#include "fakes/engine_line.h"
#include "link/models.h"
#include "monitor/live_values.h"
#include "state/shared_state.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

using Procedure = void (LiveValues::*)(std::int16_t&);

class LiveValuesTest : public ::testing::Test, protected EngineLine {
protected:
  LiveValuesTest() { port.open(); }

  // Runs `procedure` for `inverter` against the drive of a scenario (in its
  // JSON form, raw memory bytes included).
  std::int16_t run(Procedure procedure, const char* inverter, const std::string& scenario,
                   sim::EngineOptions options = {}) {
    connect(sim::parseScenario(scenario), options);
    state.inverter = inverter;
    std::int16_t OK = 0;
    LiveValues values(state, link);
    (values.*procedure)(OK);
    return OK;
  }

  // An MK410 (range 0) or profi (range 1) of the given voltage class and size
  // carrying `current` tenths of an ampere.
  static std::string sixTripDrive(int range, int voltageClass, int size, int current) {
    char json[160];
    std::snprintf(json, sizeof json,
                  R"({"model": "%s", "memory": {"0x042C": "%02X %02X", "0x03F4": "%02X", "0x03F3": "%02X",
                      "0x03F2": "%02X"}})",
                  range == 0 ? "mk410" : "profi", current >> 8, current & 0xFF, range, voltageClass, size);
    return json;
  }

  SharedState state;
};

TEST_F(LiveValuesTest, everyModelReadsItsOwnRegistersOpeningAClosedPort) {
  struct Drive {
    const char* inverter;
    std::int16_t voltcode;
    const char* scenario;
    float maxSpeed;
    double dcLink, amps, percent;
  };
  for (const Drive& drive :
       {Drive{model::kSingleCompact, 1, R"({"model": "sc", "memory": {"0xFC04": "13 88", "0xF8BC": "17 70",
                 "0xF9E6": "0C 1C", "0xFC12": "03 3E", "0xF966": "01 F7"}})",
              60, 310, 8.3, 50.3},
        Drive{model::kVector, 2, R"({"model": "vector", "memory": {"0xFC40": "13 88", "0xF788": "22 2E",
                 "0xFA14": "0A F0", "0xFC4E": "00 64", "0xF96C": "00 0A"}})",
              87.5, 560, 1, 1},
        Drive{model::kMk410, 2, R"({"model": "mk410", "memory": {"0x0400": "00 00 C3 50", "0x00F8": "00 32",
                 "0x043C": "16 44", "0x042C": "00 53", "0x03F4": "00", "0x03F3": "00", "0x03F2": "05"}})",
              50, 570, 8.3, 50.30303},
        Drive{model::kProfi, 2, R"({"model": "profi", "memory": {"0x0400": "00 00 C3 50", "0x00F8": "00 3C",
                 "0x043C": "16 44", "0x042C": "00 B9", "0x03F4": "01", "0x03F3": "01", "0x03F2": "0A"}})",
              60, 570, 18.5, 50}}) {
    SCOPED_TRACE(drive.inverter);
    state.voltcode = drive.voltcode;
    for (const Procedure procedure : {&LiveValues::GetMaxSpeed, &LiveValues::GetDCVolts}) {
      port.close();
      EXPECT_EQ(run(procedure, drive.inverter, drive.scenario), 0);
      EXPECT_TRUE(port.isOpen());
    }
    EXPECT_EQ(run(&LiveValues::GetSpeed, drive.inverter, drive.scenario), 0);
    EXPECT_EQ(run(&LiveValues::GetAmps, drive.inverter, drive.scenario), 0);
    EXPECT_EQ(state.speedvalue, 50.0f);
    EXPECT_EQ(state.maxspeed, drive.maxSpeed);
    EXPECT_DOUBLE_EQ(state.dcvoltsvalue, drive.dcLink);
    EXPECT_DOUBLE_EQ(state.ampstext, drive.amps);
    EXPECT_NEAR(state.ampspct, drive.percent, 0.00001);
  }
  // The code models read the current, then the range, size and class.
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0x042C, 2}, {0x03F4, 1}, {0x03F2, 1}, {0x03F3, 1}}));
}

TEST_F(LiveValuesTest, ratedCurrentsAreSinglePrecisionAndASizeOutsideTheTableLeavesThePercent) {
  const std::tuple<int, int, int, int, double> drives[] = {
      {0, 1, 3, 19, 1.9 / static_cast<double>(3.8f) * 100}, // a 3.8 A drive
      {0, 0, 10, 380, 50},                                  // half of each column's mid-size rating:
      {0, 1, 12, 295, 50},                                  // 76, 59, 113 and 43 A
      {1, 0, 12, 565, 50},
      {1, 1, 11, 215, 50},
      {1, 1, 19, 1300, 50},
      {1, 0, 8, 220, 50},
      {1, 0, 7, 83, 42}, // no such drive
      {0, 0, 16, 83, 42},
      {0, 1, 20, 83, 42},
      {2, 0, 5, 83, 42}};
  for (const auto& [range, voltageClass, size, current, percent] : drives) {
    SCOPED_TRACE(::testing::Message() << range << "/" << voltageClass << "/" << size);
    state.ampspct = 42;
    EXPECT_EQ(run(&LiveValues::GetAmps, model::kMk410, sixTripDrive(range, voltageClass, size, current)), 0);
    EXPECT_DOUBLE_EQ(state.ampstext, current / 10.0);
    EXPECT_DOUBLE_EQ(state.ampspct, percent);
  }
}

TEST_F(LiveValuesTest, failedReadMidwayLeavesLaterResultsAndSkipsTheRest) {
  state.ampspct = 42;
  sim::EngineOptions silentAtTheSizeCode;
  silentAtTheSizeCode.silentAfterFrames = 8; // the size code read gets no data
  EXPECT_EQ(run(&LiveValues::GetAmps, model::kMk410, sixTripDrive(0, 0, 5, 83), silentAtTheSizeCode), 1);
  EXPECT_DOUBLE_EQ(state.ampstext, 8.3);
  EXPECT_DOUBLE_EQ(state.ampspct, 42.0);
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0x042C, 2}, {0x03F4, 1}, {0x03F2, 1}}));
  EXPECT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(stops, 1);
}

TEST_F(LiveValuesTest, codeModelsMapTheirVoltageClassToTheProbedModelsCodes) {
  for (const auto& [raw, code] : {std::pair{"01", 2}, {"00", 1}, {"03", 3}}) {
    run(&LiveValues::GetVoltCode, model::kMk410,
        std::string(R"({"model": "mk410", "memory": {"0x03F3": ")") + raw + R"("}})");
    EXPECT_EQ(state.voltcode, code) << "raw " << raw;
  }
  run(&LiveValues::GetVoltCode, model::kVector, R"({"model": "vector", "memory": {"0xF8B8": "01"}})");
  EXPECT_EQ(state.voltcode, 1);
}

} // namespace
} // namespace orvane::testing
