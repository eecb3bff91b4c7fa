// Runs 2-byte memory reads against drive-sim paced at 4800 baud and prints the
// median transaction time against the pure wire time plus the simulator's
// latency, and the CPU time the calling process spends per transaction.
#include "bench_figures.h"
#include "fakes/drive_sim_process.h"
#include "fakes/recording_message_boxes.h"
#include "link/link.h"
#include "platform/posix_serial_port.h"
#include "platform/steady_clock.h"

#include <cstdio>
#include <stdlib.h>
#include <string>

using namespace orvane;

int main(int argc, char** argv) {
  const int transactions = argc > 1 ? std::stoi(argv[1]) : 200;
  const int latencyMs = argc > 2 ? std::stoi(argv[2]) : 0;
  const int baud = 4800;

  testing::DriveSimProcess simulator(
      {"--model", "mk410", "--baud", std::to_string(baud), "--latency", std::to_string(latencyMs)});
  setenv("ORVANE_PORT1", simulator.devicePath().c_str(), 1);
  PosixSerialPort port;
  SteadyClock clock;
  testing::RecordingMessageBoxes messages;
  testing::CountingBeeper beeper;
  Platform platform{port, clock, messages, beeper};
  Link link(platform);
  port.open();

  std::vector<bench::Sample> samples;
  int failed = 0;
  for (int index = 0; index < transactions; ++index)
    samples.push_back(bench::measure([&] { failed += link.read(0x042C, 2, 10) ? 0 : 1; }));
  if (failed > 0) {
    std::printf("FAILED: %d transactions failed\n", failed);
    return 1;
  }

  // Host: command frame 5 + data frame 5 + acknowledge 1; drive: 1 + 5 + (2 + 2).
  // The drive answers each of its three replies after the latency.
  const double wire = bench::wireTimeMs(11 + 10, baud) + 3.0 * latencyMs;
  const double median = bench::medianWallMs(samples);
  const double cpu = bench::meanCpuMs(samples);
  std::printf("2-byte memory read at %d baud, %d transactions, simulator latency %d ms\n", baud, transactions,
              latencyMs);
  std::printf("  median transaction time     %8.2f ms\n", median);
  std::printf("  wire time + latency         %8.2f ms\n", wire);
  std::printf("  ratio                       %8.3f   (target <= 1.05)\n", median / wire);
  std::printf("  CPU time per transaction    %8.3f ms = %.2f %% of wall (target < 2 %%)\n", cpu,
              100.0 * cpu / median);
  return median / wire <= 1.05 && cpu / median < 0.02 ? 0 : 2;
}
