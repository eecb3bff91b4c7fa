#include "acquisition/acquisition.h"
#include "engine/scenario_json.h"
#include "fakes/engine_line.h"
#include "fakes/recording_acquisition_events.h"
#include "link/models.h"

#include <gtest/gtest.h>

namespace orvane::testing {
namespace {

// The live values as a tick reads them, and the start's reads.
class LiveValuesTest : public ::testing::Test, protected EngineLine {
protected:
  LiveValuesTest() { port.open(); }

  // A tick of `inverter` that reads what the flags say, against the drive of
  // a scenario (in its JSON form, raw memory bytes included).
  Reading tick(const char* inverter, const std::string& scenario, bool current, bool rest = false,
               std::int16_t voltCode = 1, sim::EngineOptions options = {}) {
    connect(sim::parseScenario(scenario), options);
    TickPlan plan{inverter, voltCode};
    plan.current = current;
    plan.frequency = plan.dcLink = rest;
    const Reading reading = acquisition.tick(plan);
    // Only the quantities' reads count, not the trip check's display read.
    port.sends.erase(port.sends.begin(), port.sends.begin() + 3);
    return reading;
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

  RecordingAcquisitionEvents events;
  Acquisition acquisition{link, events};
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
    connect(drive.scenario);
    port.close();
    EXPECT_EQ(*acquisition.readMaxSpeed(drive.inverter), drive.maxSpeed);
    EXPECT_TRUE(port.isOpen());
    const Reading reading = tick(drive.inverter, drive.scenario, false, true, drive.voltcode);
    EXPECT_EQ(reading.frequency, 50.0f);
    EXPECT_DOUBLE_EQ(*reading.dcLink, drive.dcLink);
    const Reading withCurrent = tick(drive.inverter, drive.scenario, true);
    EXPECT_DOUBLE_EQ(*withCurrent.current, drive.amps);
    EXPECT_NEAR(*withCurrent.currentPercent, drive.percent, 0.00001);
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
    const Reading reading = tick(model::kMk410, sixTripDrive(range, voltageClass, size, current), true);
    EXPECT_DOUBLE_EQ(*reading.current, current / 10.0);
    EXPECT_DOUBLE_EQ(reading.currentPercent.value_or(42), percent);
  }
}

TEST_F(LiveValuesTest, failedReadMidwayLeavesLaterResultsAndSkipsTheRest) {
  sim::EngineOptions silentAtTheSizeCode;
  silentAtTheSizeCode.silentAfterFrames = 3 + 3 + 8; // the size code read gets no data
  const Reading reading = tick(model::kMk410, sixTripDrive(0, 0, 5, 83), true, true, 1, silentAtTheSizeCode);
  EXPECT_DOUBLE_EQ(*reading.current, 8.3);
  EXPECT_FALSE(reading.currentPercent || reading.dcLink);
  EXPECT_EQ(reading.failure->step, Reading::Step::Current);
  EXPECT_EQ(reading.failure->why, LinkFailure::ReadTimedOut);
  EXPECT_EQ(memoryReads(port.sends), (std::vector<WireRead>{{0x0400, 4}, {0x042C, 2}, {0x03F4, 1}, {0x03F2, 1}}));
  EXPECT_TRUE(messages.shown.empty() && events.seen.empty());
}

TEST_F(LiveValuesTest, codeModelsMapTheirVoltageClassToTheProbedModelsCodes) {
  for (const auto& [raw, code] : {std::pair{"01", 2}, {"00", 1}, {"03", 3}}) {
    connect(std::string(R"({"model": "mk410", "memory": {"0x03F3": ")") + raw + R"("}})");
    EXPECT_EQ(*acquisition.readVoltCode(model::kMk410), code) << "raw " << raw;
  }
  connect(R"({"model": "vector", "memory": {"0xF8B8": "01"}})");
  EXPECT_EQ(*acquisition.readVoltCode(model::kVector), 1);
}

} // namespace
} // namespace orvane::testing
