// Publishing at the fastest sample rate (0.5 s) to a real mosquitto broker: the CPU it costs
// the process, and, with the broker stopped for a while and started again, how late the
// 0.5 s ticks get, the longest publish call, whether everything queued meanwhile arrives and
// what was dropped; then a burst far beyond the queue's hour with the broker stopped.
// Usage: bench-publish [seconds with the broker up] [seconds with it stopped]  (60 60)
#include "bench_figures.h"
#include "fakes/broker_subscriber.h"
#include "fakes/mosquitto_broker.h"
#include "publish/clock_time.h"
#include "publish/publisher.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <sys/resource.h>
#include <thread>

using namespace orvane;
using namespace std::chrono;

namespace {

constexpr auto kTick = milliseconds(500);

struct TickFigures {
  double latestTickMs = 0;     // a tick's wake-up after its due time, at worst
  double longestPublishUs = 0; // the longest publishSample call, preemption included
  long waits = 0;              // times a publish call went to sleep (voluntary context switches)
  int ticks = 0;
};

PublishedSample sampleAt(int tick) {
  PublishedSample sample;
  sample.clockTime = localClockTime(system_clock::now());
  sample.sessionSeconds = tick * 0.5;
  sample.frequencyHz = 49.5;
  sample.currentAmperes = 8.3;
  sample.dcLinkVolts = 560;
  return sample;
}

long voluntarySwitches() {
  rusage usage{};
  getrusage(RUSAGE_THREAD, &usage);
  return usage.ru_nvcsw;
}

// One publish call: its wall time and whether it slept, which waiting for a lock or for the
// network would make it do.
void timedPublish(Publisher& publisher, const PublishedSample& sample, TickFigures& figures) {
  const long switchesBefore = voluntarySwitches();
  const auto before = steady_clock::now();
  publisher.publishSample(sample);
  const auto after = steady_clock::now();
  figures.waits += voluntarySwitches() - switchesBefore;
  figures.longestPublishUs =
      std::max(figures.longestPublishUs, duration<double, std::micro>(after - before).count());
}

// Ticks every 0.5 s until the condition holds, publishing one sample each when a publisher is
// given. The condition is looked at after the sleep, not straight after a publish call.
template <typename Until>
TickFigures tickUntil(Publisher* publisher, int& tick, std::set<double>& published, Until until) {
  TickFigures figures;
  for (auto due = steady_clock::now() + kTick;; due += kTick) {
    std::this_thread::sleep_until(due);
    const auto woke = steady_clock::now();
    if (until())
      break;
    figures.latestTickMs = std::max(figures.latestTickMs, duration<double, std::milli>(woke - due).count());
    ++figures.ticks;
    if (publisher == nullptr)
      continue;
    const PublishedSample sample = sampleAt(tick++);
    timedPublish(*publisher, sample, figures);
    published.insert(sample.sessionSeconds);
  }
  return figures;
}

std::set<double> sessionTimes(const std::vector<testing::ReceivedMessage>& received) {
  std::set<double> times;
  for (const auto& message : received) {
    const auto at = message.payload.find("\"session_s\":");
    times.insert(std::stod(message.payload.substr(at + 12)));
  }
  return times;
}

} // namespace

int main(int argc, char** argv) {
  const int upSeconds = argc > 1 ? std::stoi(argv[1]) : 60;
  const int downSeconds = argc > 2 ? std::stoi(argv[2]) : 60;
  std::string pattern = "/tmp/orvane-bench-publish-XXXXXX";
  testing::MosquittoBroker broker(mkdtemp(pattern.data()));
  const auto settings =
      brokerSettings("mqtt://127.0.0.1:" + std::to_string(broker.port()) + "/bench/drive", {}, {}).settings;
  Publisher publisher(*settings, PublisherOptions{});
  publisher.publishStatus({"MK410", 16.5, 50, 0.5});
  int tick = 0;
  std::set<double> published;

  const auto idleUntil = steady_clock::now() + seconds(upSeconds);
  const TickFigures idle = tickUntil(nullptr, tick, published, [&] { return steady_clock::now() >= idleUntil; });
  std::printf("the same ticks without publishing, %d s: latest tick %.2f ms (the machine's own lateness)\n",
              upSeconds, idle.latestTickMs);

  const auto cpuBefore = bench::processCpuTime();
  const auto upUntil = steady_clock::now() + seconds(upSeconds);
  const TickFigures up = tickUntil(&publisher, tick, published, [&] { return steady_clock::now() >= upUntil; });
  const double cpuPercent = (bench::processCpuTime() - cpuBefore).count() / (upSeconds * 1000.0) * 100;
  std::printf("broker up %d s: %d samples, process CPU %.3f %% of a core (target <= 0.2 %%), latest tick %.2f ms, "
              "longest publish call %.1f us, %ld calls slept\n",
              upSeconds, up.ticks, cpuPercent, up.latestTickMs, up.longestPublishUs, up.waits);

  testing::BrokerSubscriber subscriber(broker.port(), "bench/drive/sample", "bench-watcher");
  published.clear();
  broker.stop();
  const auto downUntil = steady_clock::now() + seconds(downSeconds);
  const TickFigures down =
      tickUntil(&publisher, tick, published, [&] { return steady_clock::now() >= downUntil; });
  std::printf(
      "broker stopped %d s: %d samples, latest tick %.2f ms (target <= 5 ms), longest publish call %.1f us, "
      "%ld calls slept, %zu waiting\n",
      downSeconds, down.ticks, down.latestTickMs, down.longestPublishUs, down.waits,
      publisher.health().waitingMessages);

  broker.start();
  const auto restarted = steady_clock::now();
  const TickFigures back = tickUntil(&publisher, tick, published, [&] {
    const PublisherHealth health = publisher.health();
    return (health.connected && health.waitingMessages == 0) || steady_clock::now() - restarted > minutes(2);
  });
  const double emptyAfter = duration<double>(steady_clock::now() - restarted).count();
  const bool complete = subscriber.waitFor(
      [&](const auto& received) { return std::ranges::includes(sessionTimes(received), published); });
  std::printf(
      "broker back: queue empty after %.1f s, latest tick %.2f ms; every sample since the stop arrived: %s "
      "(%zu), %llu dropped\n",
      emptyAfter, back.latestTickMs, complete ? "yes" : "NO", published.size(),
      static_cast<unsigned long long>(publisher.health().droppedMessages));

  broker.stop();
  TickFigures burst;
  for (int i = 0; i < 20'000; ++i)
    timedPublish(publisher, sampleAt(tick++), burst);
  std::printf(
      "burst of 20000 with the broker stopped: longest publish call %.1f us, %ld of them slept, %zu waiting, "
      "%llu dropped\n",
      burst.longestPublishUs, burst.waits, publisher.health().waitingMessages,
      static_cast<unsigned long long>(publisher.health().droppedMessages));
  publisher.finish(milliseconds(0));
  return complete ? 0 : 1;
}
