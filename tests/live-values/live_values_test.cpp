#include "identification/drive_fixture.h"
#include "link/live_values.h"

namespace orvane {
namespace {

using Reads = std::vector<std::pair<std::uint16_t, int>>;

class LiveValuesTest : public testing::DriveFixture {
protected:
  LiveValuesTest() { port.setInputMode(InputMode::Text); }

  template <typename Procedure> std::int16_t run(Procedure procedure) {
    std::int16_t OK = 0;
    LiveValues values(state, link);
    (values.*procedure)(OK);
    return OK;
  }

  // An MK410 of the given range, voltage class and size carrying `current`
  // tenths of an ampere.
  void sixTripDrive(std::uint8_t range, std::uint8_t voltageClass, std::uint8_t size, std::uint16_t current) {
    state.inverter = range == 0 ? "MK410" : ">Talvik< Q7 profi";
    drive.setMemory(0x042C, {static_cast<std::uint8_t>(current >> 8), static_cast<std::uint8_t>(current)});
    drive.setMemory(0x03F4, {range});
    drive.setMemory(0x03F3, {voltageClass});
    drive.setMemory(0x03F2, {size});
  }
};

TEST_F(LiveValuesTest, speedOfEachAddressSet) {
  struct Case {
    const char* model;
    std::uint16_t address;
    Bytes raw;
  };
  for (const Case& c :
       {Case{">Talvik< Q7 single/compact", 0xFC04, {0x13, 0x88}}, Case{">Talvik< Q7 vector", 0xFC40, {0x13, 0x88}},
        Case{"MK410", 0x0400, {0x00, 0x00, 0xC3, 0x50}},
        Case{">Talvik< Q7 profi", 0x0400, {0x00, 0x00, 0xC3, 0x50}}}) {
    SCOPED_TRACE(c.model);
    state.inverter = c.model;
    state.speedvalue = 0;
    drive.setMemory(c.address, c.raw);
    EXPECT_EQ(run(&LiveValues::GetSpeed), 0);
    EXPECT_EQ(state.speedvalue, 50.0f);
    EXPECT_EQ(drive.exchanges.back().mode, InputMode::Binary);
    EXPECT_EQ(port.inputMode(), InputMode::Text);
  }
}

TEST_F(LiveValuesTest, dcLinkOfTheProbedModelsCountsInVoltageClassUnits) {
  state.inverter = ">Talvik< Q7 vector";
  state.voltcode = 2;
  drive.setMemory(0xFA14, {0x0A, 0xF0}); // 2800
  EXPECT_EQ(run(&LiveValues::GetDCVolts), 0);
  EXPECT_DOUBLE_EQ(state.dcvoltsvalue, 560.0);

  state.inverter = ">Talvik< Q7 single/compact";
  state.voltcode = 1;
  drive.setMemory(0xF9E6, {0x0C, 0x1C}); // 3100
  EXPECT_EQ(run(&LiveValues::GetDCVolts), 0);
  EXPECT_DOUBLE_EQ(state.dcvoltsvalue, 310.0);
}

TEST_F(LiveValuesTest, dcLinkOfTheCodeModelsIsTakenAsReadOpeningAClosedPort) {
  port.close();
  state.inverter = "MK410";
  state.voltcode = 2;
  drive.setMemory(0x043C, {0x16, 0x44}); // 5700
  EXPECT_EQ(run(&LiveValues::GetDCVolts), 0);
  EXPECT_DOUBLE_EQ(state.dcvoltsvalue, 570.0);
  EXPECT_TRUE(port.isOpen());
}

TEST_F(LiveValuesTest, failedDcLinkReadKeepsThePreviousValue) {
  state.inverter = ">Talvik< Q7 vector";
  state.voltcode = 2;
  state.dcvoltsvalue = 540;
  EXPECT_EQ(run(&LiveValues::GetDCVolts), 1);
  EXPECT_DOUBLE_EQ(state.dcvoltsvalue, 540.0);
  EXPECT_TRUE(communicationsErrorShown());
  EXPECT_EQ(stops, 1);
}

TEST_F(LiveValuesTest, currentOfAnMk410IsAPercentOfItsRatedCurrent) {
  sixTripDrive(0, 0, 5, 83);
  EXPECT_EQ(run(&LiveValues::GetAmps), 0);
  EXPECT_DOUBLE_EQ(state.ampstext, 8.3);
  EXPECT_NEAR(state.ampspct, 50.3, 0.01);
  EXPECT_EQ(drive.reads(), (Reads{{0x042C, 2}, {0x03F4, 1}, {0x03F2, 1}, {0x03F3, 1}}));
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
}

TEST_F(LiveValuesTest, ratedCurrentsAreSinglePrecisionUpToTheLargestSizes) {
  sixTripDrive(0, 1, 3, 19); // 3.8 A drive
  run(&LiveValues::GetAmps);
  EXPECT_DOUBLE_EQ(state.ampspct, 1.9 / static_cast<double>(3.8f) * 100);
  sixTripDrive(1, 1, 19, 1300);
  run(&LiveValues::GetAmps);
  EXPECT_DOUBLE_EQ(state.ampspct, 50.0);
  sixTripDrive(1, 0, 8, 220);
  run(&LiveValues::GetAmps);
  EXPECT_DOUBLE_EQ(state.ampspct, 50.0);
}

TEST_F(LiveValuesTest, sizeOutsideTheTableLeavesThePercent) {
  struct Case {
    std::uint8_t range, voltageClass, size;
  };
  for (const Case& c : {Case{0, 0, 16}, Case{1, 0, 7}, Case{1, 1, 1}, Case{0, 0, 0}, Case{0, 1, 20},
                        Case{0, 0, 255}, Case{2, 0, 5}, Case{0, 3, 5}}) {
    SCOPED_TRACE(::testing::Message() << int(c.range) << "/" << int(c.voltageClass) << "/" << int(c.size));
    sixTripDrive(c.range, c.voltageClass, c.size, 83);
    state.ampspct = 42;
    EXPECT_EQ(run(&LiveValues::GetAmps), 0);
    EXPECT_DOUBLE_EQ(state.ampstext, 8.3);
    EXPECT_DOUBLE_EQ(state.ampspct, 42.0);
  }
}

TEST_F(LiveValuesTest, currentOfTheProbedModelsReadsThePercentFromTheDrive) {
  state.inverter = ">Talvik< Q7 single/compact";
  drive.setMemory(0xFC12, {0x03, 0x3E}); // 830
  drive.setMemory(0xF966, {0x01, 0xF7}); // 503
  EXPECT_EQ(run(&LiveValues::GetAmps), 0);
  EXPECT_DOUBLE_EQ(state.ampstext, 8.3);
  EXPECT_DOUBLE_EQ(state.ampspct, 50.3);

  state.inverter = ">Talvik< Q7 vector";
  drive.setMemory(0xFC4E, {0x00, 0x64}); // 100
  drive.setMemory(0xF96C, {0x00, 0x0A}); // 10
  EXPECT_EQ(run(&LiveValues::GetAmps), 0);
  EXPECT_DOUBLE_EQ(state.ampstext, 1.0);
  EXPECT_DOUBLE_EQ(state.ampspct, 1.0);
}

TEST_F(LiveValuesTest, failedReadMidwayLeavesLaterResultsAndSkipsTheRest) {
  state.inverter = "MK410";
  drive.setMemory(0x042C, {0x00, 0x53});
  drive.setMemory(0x03F4, {0});
  drive.setMemory(0x03F3, {0}); // no size code: its read fails
  state.ampspct = 42;
  EXPECT_EQ(run(&LiveValues::GetAmps), 1);
  EXPECT_DOUBLE_EQ(state.ampstext, 8.3);
  EXPECT_DOUBLE_EQ(state.ampspct, 42.0);
  EXPECT_EQ(drive.reads(), (Reads{{0x042C, 2}, {0x03F4, 1}, {0x03F2, 1}}));
  EXPECT_TRUE(communicationsErrorShown());
  EXPECT_EQ(stops, 1);
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
}

TEST_F(LiveValuesTest, failedCurrentReadSkipsThePercent) {
  state.inverter = ">Talvik< Q7 vector";
  drive.setMemory(0xF96C, {0x00, 0x0A});
  state.ampspct = 42;
  EXPECT_EQ(run(&LiveValues::GetAmps), 1);
  EXPECT_DOUBLE_EQ(state.ampspct, 42.0);
  EXPECT_EQ(drive.reads().size(), 1u);
}

TEST_F(LiveValuesTest, failedSpeedReadSetsOkAndStaysInBinary) {
  state.inverter = "MK410";
  EXPECT_EQ(run(&LiveValues::GetSpeed), 1);
  EXPECT_EQ(port.inputMode(), InputMode::Binary);
}

TEST_F(LiveValuesTest, maxSpeedOfEachAddressSetOpeningAClosedPort) {
  port.close();
  state.inverter = ">Talvik< Q7 single/compact";
  drive.setMemory(0xF8BC, {0x17, 0x70}); // 6000
  EXPECT_EQ(run(&LiveValues::GetMaxSpeed), 0);
  EXPECT_EQ(state.maxspeed, 60.0f);
  EXPECT_TRUE(port.isOpen());

  state.inverter = ">Talvik< Q7 vector";
  drive.setMemory(0xF788, {0x22, 0x2E}); // 8750
  EXPECT_EQ(run(&LiveValues::GetMaxSpeed), 0);
  EXPECT_EQ(state.maxspeed, 87.5f);

  state.inverter = ">Talvik< Q7 profi";
  drive.setMemory(0x00F8, {0x00, 0x32});
  EXPECT_EQ(run(&LiveValues::GetMaxSpeed), 0);
  EXPECT_EQ(state.maxspeed, 50.0f);
  EXPECT_EQ(port.inputMode(), InputMode::Text);
}

TEST_F(LiveValuesTest, portThatCannotOpenPropagates) {
  state.inverter = "MK410";
  port.close();
  port.failOpenWith("busy");
  EXPECT_THROW(run(&LiveValues::GetMaxSpeed), PortOpenError);
}

TEST_F(LiveValuesTest, codeModelsMapTheirVoltageClassToTheProbedModelsCodes) {
  state.inverter = "MK410";
  for (const auto& [raw, code] : {std::pair{1, 2}, {0, 1}, {3, 3}}) {
    drive.setMemory(0x03F3, {static_cast<std::uint8_t>(raw)});
    EXPECT_EQ(run(&LiveValues::GetVoltCode), 0);
    EXPECT_EQ(state.voltcode, code) << "raw " << raw;
  }
  state.inverter = ">Talvik< Q7 vector";
  drive.setMemory(0xF8B8, {1});
  EXPECT_EQ(run(&LiveValues::GetVoltCode), 0);
  EXPECT_EQ(state.voltcode, 1);
  EXPECT_EQ(port.inputMode(), InputMode::Text);
}

TEST_F(LiveValuesTest, otherModelNameReadsNothing) {
  state.inverter = "Unknown";
  state.speedvalue = 12;
  for (auto procedure : {&LiveValues::GetSpeed, &LiveValues::GetAmps, &LiveValues::GetDCVolts,
                         &LiveValues::GetMaxSpeed, &LiveValues::GetVoltCode})
    EXPECT_EQ(run(procedure), 0);
  EXPECT_TRUE(port.sends.empty());
  EXPECT_EQ(state.speedvalue, 12.0f);
}

} // namespace
} // namespace orvane
