// A scrolling tick of the three traces at maxpoints 338: the erase and redraw
// of each polyline onto the graph box's backing image plus the repaint of the
// box. Run it as is for 1x and with QT_SCALE_FACTOR=2 for 2x. Also counts the
// allocations the sample store makes per tick (target: none).
#include "bench_figures.h"
#include "link/models.h"
#include "monitor/graph_scale.h"
#include "monitor/trend_graph.h"
#include "monitor/ui/graph_box.h"
#include "platform/twips.h"

#include <QApplication>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace {

std::atomic<long> allocations{0};

} // namespace

void* operator new(std::size_t size) {
  ++allocations;
  if (void* memory = std::malloc(size == 0 ? 1 : size))
    return memory;
  throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

using namespace orvane;

namespace {

class NullSurface final : public DrawingSurface {
public:
  void clear() override {}
  void drawLine(int, int, int, int, Rgb) override {}
  Rgb background() const override { return {}; }
};

struct Fixture {
  SharedState state;
  int raw = 0; // readings as the drive gives them: whole raw values over a divisor
  float hz = 0;
  void configure() {
    state.drive.inverter = model::kMk410;
    state.drive.speedscale = 4750.0f / 50;
    for (const char* box : {"speedmenu", "currentmenu", "DCmenu"})
      state.options.setChecked(box, true);
  }
  void tick(TrendGraph& graph) {
    raw = (raw + 70) % 5000;
    hz = static_cast<float>(raw / 100.0);
    TickOutcome tick;
    tick.reading.frequency = hz;
    tick.reading.current = raw / 500.0;
    tick.reading.currentPercent = raw / 25.0;
    tick.reading.dcLink = 3000 + raw / 100 / 10.0;
    tick.shown = ShownValues{hz, "F", *tick.reading.current, *tick.reading.currentPercent, *tick.reading.dcLink};
    std::int16_t OK = 0;
    graph.Frequency(tick, OK);
    graph.Current(tick, OK);
    graph.Voltage(tick, OK);
    ++state.graph.samplecount;
  }
};

class Silent final : public MessageBoxes {
public:
  MessageAnswer show(MessageIcon, MessageButtons, const std::string&, const std::string&) override {
    return MessageAnswer::Ok;
  }
};

} // namespace

int main(int argc, char** argv) {
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const int ticks = argc > 1 ? std::atoi(argv[1]) : 200;
  Silent messages;

  // The sample store alone, on surfaces that draw nothing: no allocation.
  Fixture store;
  store.configure();
  NullSurface null1;
  NullSurface null3;
  TrendGraph storeGraph(store.state, null1, null3, messages, [](std::int16_t& OK) { OK = 1; });
  for (int i = 0; i < 400; ++i)
    store.tick(storeGraph);
  const long before = allocations.load();
  for (int i = 0; i < ticks; ++i)
    store.tick(storeGraph);
  const double allocationsPerTick = static_cast<double>(allocations.load() - before) / ticks;

  // The real graph box, shown, repainted after every tick.
  Fixture drawn;
  drawn.configure();
  const QSize size(twipsToPixels(8130), twipsToPixels(5415));
  GraphBox picture1(plainGraphScale(), size, nullptr);
  GraphBox picture3(signedGraphScale(), size, nullptr);
  picture1.show();
  QApplication::processEvents();
  TrendGraph graph(drawn.state, picture1, picture3, messages, [](std::int16_t& OK) { OK = 1; });
  for (int i = 0; i < 338; ++i)
    drawn.tick(graph);
  std::vector<bench::Sample> samples;
  for (int i = 0; i < ticks; ++i) {
    samples.push_back(bench::measure([&] {
      drawn.tick(graph);
      picture1.repaint();
    }));
  }
  const double median = bench::medianWallMs(samples);
  std::printf("Scrolling tick, three traces, maxpoints 338, device pixel ratio %.0f, %d ticks\n",
              picture1.devicePixelRatioF(), ticks);
  std::printf("  median tick with repaint    %8.3f ms   (target < 2 ms)\n", median);
  std::printf("  allocations per tick in the sample store: %.1f   (target 0)\n", allocationsPerTick);
  return median < 2.0 && allocationsPerTick == 0 ? 0 : 2;
}
