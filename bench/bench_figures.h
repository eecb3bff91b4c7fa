#pragma once

#include <chrono>
#include <vector>

namespace orvane::bench {

// Wall and CPU time of one measured call.
struct Sample {
  std::chrono::duration<double, std::milli> wall;
  std::chrono::duration<double, std::milli> cpu;
};

// The process's user + system CPU time so far.
std::chrono::duration<double, std::milli> processCpuTime();

template <typename Call> Sample measure(Call&& call) {
  const auto cpuBefore = processCpuTime();
  const auto wallBefore = std::chrono::steady_clock::now();
  call();
  return {std::chrono::steady_clock::now() - wallBefore, processCpuTime() - cpuBefore};
}

double medianWallMs(std::vector<Sample> samples);
double meanCpuMs(const std::vector<Sample>& samples);

// Time on the wire of a number of bytes at 11 bits a byte.
double wireTimeMs(int bytes, int baud);

} // namespace orvane::bench
