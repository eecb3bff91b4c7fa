// A full sampling tick with every Options box ticked, on each model, against
// drive-sim paced at 4800 baud: the tick's wall time against the wire time of
// its bytes plus the simulator's latency per reply, and the program's CPU time
// per minute of monitoring at 0.5 s.
#include "bench_figures.h"
#include "counting_serial_port.h"
#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "monitor/monitoring_procedures.h"
#include "platform/image_surface.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"
#include "state/trend_design_state.h"

#include <cstdio>
#include <filesystem>
#include <stdlib.h>
#include <string>
#include <thread>

using namespace orvane;

namespace {

constexpr int kBaud = 4800;

struct TickFigures {
  double medianMs = 0;
  double wireMs = 0;
  double cpuPerMinuteMs = 0;
  bool failed = false;
};

TickFigures measureModel(const std::string& model, int ticks, int latencyMs, double monitorSeconds) {
  testing::DriveSimProcess simulator(
      {"--scenario", model, "--baud", std::to_string(kBaud), "--latency", std::to_string(latencyMs)});
  setenv("ORVANE_PORT1", simulator.devicePath().c_str(), 1);
  PosixSerialPort device;
  bench::CountingSerialPort port(device);
  SteadyClock clock;
  testing::RecordingMessageBoxes messages;
  testing::CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link(platform);
  SharedState state;
  setTrendDesignState(state.trend);
  for (const char* box : {"speedmenu", "currentmenu", "DCmenu", "directionmenu", "runningmenu", "inputmenu",
                          "outputmenu", "directiongraph"})
    state.options.setChecked(box, true);
  state.options.setValue("Slider1", 5);
  state.options.setValue("Slider2", 1);
  state.trend.setValue("Timer1", 500);

  ImageSurface picture1(8130, 5415, 1.0, Rgb{240, 240, 240});
  ImageSurface picture3(8130, 5415, 1.0, Rgb{240, 240, 240});
  const std::filesystem::path logPath = std::filesystem::temp_directory_path() / "orvane-bench-Trend.CSV";
  MonitoringProcedures procedures(state, link, picture1, picture3, SessionLog(logPath.string()));
  MonitoringSession& session = procedures.session;

  TickFigures figures;
  session.startmonmenu_Click();
  if (!session.monitoring())
    return {.failed = true};

  std::vector<bench::Sample> samples;
  long bytes = 0;
  long frames = 0;
  for (int tick = 0; tick < ticks; ++tick) {
    const long bytesBefore = port.sent + port.received;
    const long framesBefore = port.frames;
    samples.push_back(bench::measure([&] { session.Timer1_Timer(); }));
    bytes += port.sent + port.received - bytesBefore;
    frames += port.frames - framesBefore;
  }
  // Every host frame is answered once after the latency.
  figures.medianMs = bench::medianWallMs(samples);
  figures.wireMs =
      (bench::wireTimeMs(static_cast<int>(bytes), kBaud) + static_cast<double>(frames) * latencyMs) / ticks;

  // Monitoring at 0.5 s: ticks on the timer's schedule, CPU counted throughout.
  const auto cpuBefore = bench::processCpuTime();
  const auto start = std::chrono::steady_clock::now();
  auto next = start;
  while (std::chrono::steady_clock::now() - start < std::chrono::duration<double>(monitorSeconds)) {
    next += std::chrono::milliseconds(500);
    session.Timer1_Timer();
    std::this_thread::sleep_until(next);
  }
  figures.cpuPerMinuteMs = (bench::processCpuTime() - cpuBefore).count() * 60.0 / monitorSeconds;
  figures.failed = !messages.shown.empty() || !session.monitoring();
  session.stopmonmenu_Click();
  std::filesystem::remove(logPath);
  return figures;
}

} // namespace

int main(int argc, char** argv) {
  const int ticks = argc > 1 ? std::stoi(argv[1]) : 20;
  const double monitorSeconds = argc > 2 ? std::stod(argv[2]) : 60;
  const int latencyMs = argc > 3 ? std::stoi(argv[3]) : 0;
  bool met = true;
  std::printf("Full tick, every box ticked, at %d baud, simulator latency %d ms\n", kBaud, latencyMs);
  std::printf("%-8s %12s %12s %8s %22s\n", "model", "median (ms)", "wire (ms)", "ratio",
              "CPU per minute at 0.5 s");
  for (const char* model : {"sc", "vector", "mk410", "profi"}) {
    const TickFigures figures = measureModel(model, ticks, latencyMs, monitorSeconds);
    if (figures.failed) {
      std::printf("%-8s FAILED: the session did not run\n", model);
      met = false;
      continue;
    }
    const double ratio = figures.medianMs / figures.wireMs;
    const double cpuShare = figures.cpuPerMinuteMs / 60000.0 * 100;
    std::printf("%-8s %12.1f %12.1f %8.3f %12.0f ms = %.2f %%\n", model, figures.medianMs, figures.wireMs, ratio,
                figures.cpuPerMinuteMs, cpuShare);
    met = met && ratio <= 1.05 && cpuShare < 1.0;
  }
  std::printf("targets: ratio <= 1.05, CPU under 1 %% of one core\n");
  return met ? 0 : 2;
}
