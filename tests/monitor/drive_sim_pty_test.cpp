#include "acquisition/acquisition.h"
#include "fakes/drive_sim_process.h"
#include "fakes/recording_acquisition_events.h"
#include "fakes/recording_message_boxes.h"
#include "monitor/monitoring_procedures.h"
#include "platform/forwarding_serial_port.h"
#include "platform/image_surface.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"
#include "state/trend_design_state.h"

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

// The real port, counting its waits for input.
class CountingWaits final : public ForwardingSerialPort {
public:
  CountingWaits() : ForwardingSerialPort(real_) {}
  void waitForInput(std::chrono::nanoseconds timeout, std::size_t wanted) override {
    ++waits;
    ForwardingSerialPort::waitForInput(timeout, wanted);
  }

  int waits = 0;

private:
  PosixSerialPort real_;
};

// The real port and clock on "Communications Port 1", with drive-sim started
// with `arguments` at the other end of a pseudo-terminal.
struct DriveSimLine {
  explicit DriveSimLine(const std::vector<std::string>& arguments) : simulator(arguments) {
    setenv("ORVANE_PORT1", simulator.devicePath().c_str(), 1);
  }

  DriveSimProcess simulator;
  CountingWaits port;
  SteadyClock clock;
  RecordingMessageBoxes messages;
  CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link{platform};
};

std::string identify(DriveSimLine& line) {
  RecordingAcquisitionEvents events;
  const LinkResult<std::string> model = Acquisition(line.link, events).identify();
  return model ? *model : "failed";
}

// The link's procedures over the real port and clock, end to end against
// drive-sim on a pty, for every shipped drive.
TEST(DriveSimOverPty, everyShippedDriveIsIdentifiedAndGivesItsScenarioValues) {
  struct Drive {
    const char* scenario;
    const char* model;
    float maxSpeed, speed;
    double current, percent, dcLink;
    const char* screenShows;
  };
  for (const Drive& drive : {Drive{"sc", ">Talvik< Q7 single/compact", 50, 50, 4.2, 84, 320, ""},
                             Drive{"vector", ">Talvik< Q7 vector", 60, 45, 12.5, 78.1, 560, "ADJ-O"},
                             Drive{"mk410", "MK410", 50, 50, 8.3, 50.3, 330, "8.3A"},
                             Drive{"profi", ">Talvik< Q7 profi", 60, 40, 18.5, 50, 600, ""},
                             Drive{"unknown", "Unknown", 0, 0, 0, 0, 0, ""}}) {
    SCOPED_TRACE(drive.scenario);
    DriveSimLine line({"--scenario", drive.scenario});
    ASSERT_EQ(identify(line), drive.model);
    if (drive.maxSpeed == 0)
      continue;
    RecordingAcquisitionEvents events;
    Acquisition acquisition(line.link, events);
    EXPECT_EQ(*acquisition.readMaxSpeed(drive.model), drive.maxSpeed);
    const LinkResult<std::int16_t> voltCode = acquisition.readVoltCode(drive.model);
    const Reading reading =
        acquisition.tick(TickPlan{drive.model, *voltCode, true, false, true, true, false, false, false});
    EXPECT_FALSE(reading.failure);
    EXPECT_EQ(reading.frequency, drive.speed);
    EXPECT_DOUBLE_EQ(*reading.current, drive.current);
    EXPECT_NEAR(*reading.currentPercent, drive.percent, 0.05);
    EXPECT_DOUBLE_EQ(*reading.dcLink, drive.dcLink);
    EXPECT_NE(reading.displayText->find(drive.screenShows), std::string::npos) << *reading.displayText;
  }
}

// 11 host bytes and 10 drive bytes at 11 bits a byte: 48.1 ms on the wire at
// the least, however idle the machine. In the simulator's log the command frame
// takes its time coming in too: the acknowledge leaves 6 characters after it.
TEST(DriveSimOverPty, atTheLineSpeedAReadTakesItsWireTimeBothWaysAndTheProbeStillIdentifies) {
  const std::string log = std::filesystem::temp_directory_path() / ("wire-" + std::to_string(getpid()));
  DriveSimLine line({"--model", "vector", "--baud", "4800", "--log", log});
  line.port.open();
  const auto start = std::chrono::steady_clock::now();
  const LinkResult<double> frequency = line.link.read(0xFC40, 2, 100);
  ASSERT_TRUE(frequency);
  EXPECT_EQ(*frequency, 0.0);
  EXPECT_GE(std::chrono::steady_clock::now() - start, 48ms);
  std::ifstream wire(log);
  double at = 0, in = -1, out = -1;
  for (std::string tag, bytes; out < 0 && wire >> at >> tag && std::getline(wire, bytes);) {
    if (tag == "in" && in < 0)
      in = at;
    else if (tag == "out" && in >= 0)
      out = at;
  }
  std::filesystem::remove(log);
  EXPECT_GE(out - in, 6 * 11 / 4800.0);
  EXPECT_EQ(identify(line), ">Talvik< Q7 vector");
}

// The pty hangs up when the drive goes: the read fails like a silent one,
// sleeping out its time instead of spinning on the dead device (a spinning
// wait would come back to the device many times).
TEST(DriveSimOverPty, driveThatVanishesFailsLikeASilentOneWithoutSpinning) {
  DriveSimLine line({"--model", "mk410"});
  line.port.open();
  EXPECT_TRUE(line.link.read(0x03F4, 1, 1));
  line.simulator.kill();
  line.port.waits = 0;
  const LinkResult<double> read = line.link.read(0x03F4, 1, 1);
  ASSERT_FALSE(read);
  EXPECT_EQ(read.failure(), LinkFailure::ReadTimedOut);
  EXPECT_LE(line.port.waits, 3);
}

// With no variable naming the device, "Communications Port 1" opens the one
// stored beside the settings, and a session runs on it.
TEST(DriveSimOverPty, withNoVariableSetStartMonitorOpensTheDeviceStoredInOptions) {
  DriveSimLine line({"--scenario", "mk410"});
  unsetenv("ORVANE_PORT1");
  QTemporaryDir config;
  const std::string usualConfig = getenv("XDG_CONFIG_HOME") ? getenv("XDG_CONFIG_HOME") : "";
  setenv("XDG_CONFIG_HOME", config.path().toLocal8Bit().constData(), 1);
  std::filesystem::create_directories(config.path().toStdString() + "/orvane-trend");
  std::ofstream(config.path().toStdString() + "/orvane-trend/devices.conf")
      << "port1=" << line.simulator.devicePath() << "\n";
  SharedState state;
  setTrendDesignState(state.trend);
  state.options.setChecked("speedmenu", true);
  ImageSurface picture1{8130, 5415, 1.0, Rgb{240, 240, 240}};
  ImageSurface picture3{8130, 5415, 1.0, Rgb{240, 240, 240}};
  MonitoringProcedures procedures{state, line.link, picture1, picture3,
                                  SessionLog(config.path().toStdString() + "/Trend.CSV")};
  procedures.session.startmonmenu_Click();
  procedures.session.Timer1_Timer();
  setenv("XDG_CONFIG_HOME", usualConfig.c_str(), 1);
  EXPECT_TRUE(line.messages.shown.empty());
  EXPECT_TRUE(state.trend.checked("startmonmenu"));
  EXPECT_EQ(state.drive.inverter, "MK410");
  EXPECT_EQ(state.trend.caption("displayspeed"), "50");
  procedures.session.stopmonmenu_Click();
}

} // namespace
} // namespace orvane::testing
