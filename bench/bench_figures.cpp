#include "bench_figures.h"

#include <algorithm>
#include <sys/resource.h>

namespace orvane::bench {

std::chrono::duration<double, std::milli> processCpuTime() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto toMs = [](const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; };
  return std::chrono::duration<double, std::milli>(toMs(usage.ru_utime) + toMs(usage.ru_stime));
}

double medianWallMs(std::vector<Sample> samples) {
  std::sort(samples.begin(), samples.end(), [](const Sample& a, const Sample& b) { return a.wall < b.wall; });
  return samples.empty() ? 0.0 : samples[samples.size() / 2].wall.count();
}

double meanCpuMs(const std::vector<Sample>& samples) {
  double total = 0;
  for (const Sample& sample : samples)
    total += sample.cpu.count();
  return samples.empty() ? 0.0 : total / static_cast<double>(samples.size());
}

double wireTimeMs(int bytes, int baud) { return bytes * 11 * 1000.0 / baud; }

} // namespace orvane::bench
