// The Session Viewer on generated logs of 24 hours and 7 days at 0.5 s: open
// to first paint against a plain number parse of the same file, the repaint
// after a zoom or pan, the cost of following a growing log, and the heap per
// sample. `bench-viewer --write FILE HOURS` only writes a generated log.
#include "bench_figures.h"
#include "session_log_generator.h"
#include "viewer/session_log_model.h"
#include "viewer/ui/plot_series.h"
#include "viewer/ui/session_plot.h"
#include "viewer/ui/session_viewer_window.h"

#include <QApplication>
#include <QTemporaryDir>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <sstream>

using namespace orvane;

namespace {

constexpr int kRepeats = 5;

double heapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// The least any reader must do: read the file and turn every field into a number.
double plainParse(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream whole;
  whole << file.rdbuf();
  const std::string text = whole.str();
  double sum = 0;
  const char* at = text.data();
  const char* const end = at + text.size();
  while (at < end) {
    double value = 0;
    const auto [stop, error] = std::from_chars(at, end, value);
    if (error == std::errc())
      sum += value;
    at = stop + 1;
    while (at < end && (*at == '\r' || *at == '\n'))
      ++at;
    if (error != std::errc())
      at = std::find(at, end, '\n') + 1;
  }
  return sum;
}

double percentile(std::vector<double> values, double share) {
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(share * static_cast<double>(values.size() - 1))];
}

std::vector<double> wallTimes(const std::vector<bench::Sample>& samples) {
  std::vector<double> times;
  for (const bench::Sample& sample : samples)
    times.push_back(sample.wall.count());
  return times;
}

struct Figures {
  double parseMs = 0;
  double openMs = 0;
  double zoomMedianMs = 0;
  double zoomWorstMs = 0;
  double bytesPerSample = 0;
  double dataBytesPerSample = 0;
};

Figures measureLog(const std::string& path, long samples) {
  Figures figures;
  std::vector<bench::Sample> parses;
  std::vector<bench::Sample> opens;
  volatile double sink = 0;
  for (int i = 0; i < kRepeats; ++i) {
    parses.push_back(bench::measure([&] { sink = sink + plainParse(path); }));
    std::unique_ptr<SessionViewerWindow> window;
    opens.push_back(bench::measure([&] {
      // Showing lays the window out, and the plot replots at its size; the paint then shows it.
      window = std::make_unique<SessionViewerWindow>(QString::fromStdString(path));
      window->show();
      window->repaint();
    }));
    window.reset();
    QApplication::processEvents();
  }
  figures.parseMs = bench::medianWallMs(parses);
  figures.openMs = bench::medianWallMs(opens);

  {
    const double before = heapBytes();
    PlotSeries series;
    SessionLogModel model(path, series);
    while (model.poll(16u << 20).more) {
    }
    figures.dataBytesPerSample = (heapBytes() - before) / static_cast<double>(samples);
  }
  const double heapBefore = heapBytes();
  SessionViewerWindow window(QString::fromStdString(path));
  window.show();
  window.plot().replot(QCustomPlot::rpImmediateRefresh);
  QApplication::processEvents();
  figures.bytesPerSample = (heapBytes() - heapBefore) / static_cast<double>(samples);

  // Zooms to an hour, a minute and ten seconds at places across the session,
  // pans by a tenth, and back to the whole.
  SessionPlot& plot = window.plot();
  const double length = static_cast<double>(samples) * 0.5;
  std::vector<QCPRange> ranges;
  for (double width : {3600.0, 60.0, 10.0, length / 4})
    for (int place = 0; place < 10; ++place) {
      const double start = (length - width) * place / 9;
      ranges.emplace_back(start, start + width);
      ranges.emplace_back(start + width / 10, start + width * 1.1);
    }
  ranges.emplace_back(0, length);
  std::vector<bench::Sample> repaints;
  for (const QCPRange& range : ranges)
    repaints.push_back(bench::measure([&] {
      plot.setVisibleTime(range);
      plot.replot(QCustomPlot::rpImmediateRefresh);
    }));
  figures.zoomMedianMs = bench::medianWallMs(repaints);
  figures.zoomWorstMs = percentile(wallTimes(repaints), 1.0);
  return figures;
}

// A log gaining a line at a time, followed with the whole session in view.
void measureFollowing(const std::string& path) {
  PlotSeries series;
  SessionLogModel model(path, series);
  SessionPlot plot(series);
  plot.resize(1100, 620);
  while (model.poll(16u << 20).more) {
  }
  plot.fitSession();
  plot.replot(QCustomPlot::rpImmediateRefresh);
  std::ofstream log(path, std::ios::binary | std::ios::app);
  double time = 86400;
  std::vector<bench::Sample> reads;
  std::vector<bench::Sample> views;
  std::vector<bench::Sample> repaints;
  for (int i = 0; i < 200; ++i) {
    log << time << ",49.98,6.12,81.6,561\r\n" << std::flush;
    time += 0.5;
    bool added = false;
    reads.push_back(bench::measure([&] { added = model.poll(16u << 20).newSamples; }));
    views.push_back(bench::measure([&] {
      if (added)
        plot.samplesAdded();
    }));
    repaints.push_back(bench::measure([&] { plot.replot(QCustomPlot::rpImmediateRefresh); }));
  }
  std::printf("Following a 24-hour log, 200 appended lines, the whole session in view\n");
  std::printf("  read, parse and add one line  median %.3f ms, worst %.3f ms   (target <= 1 ms a tick)\n",
              bench::medianWallMs(reads), percentile(wallTimes(reads), 1.0));
  std::printf("  view moved, statistics        median %.3f ms\n", bench::medianWallMs(views));
  std::printf("  repaint                       median %.2f ms\n", bench::medianWallMs(repaints));
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write") {
    const long samples = bench::writeSessionLog(argv[2], std::atof(argv[3]));
    std::printf("%ld samples written to %s\n", samples, argv[2]);
    return 0;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  const QTemporaryDir folder;
  bool met = true;
  for (const auto& [name, hours] : {std::pair{"24-hour", 24.0}, std::pair{"7-day", 168.0}}) {
    const std::string path = (folder.path() + "/Trend.CSV").toStdString();
    const long samples = bench::writeSessionLog(path, hours);
    std::ifstream file(path, std::ios::binary | std::ios::ate);
    const auto bytes = static_cast<double>(file.tellg());
    const Figures figures = measureLog(path, samples);
    const bool day = hours == 24.0;
    const double zoomTarget = day ? 16 : 30;
    std::printf("%s log: %ld lines, %.1f MB\n", name, samples, bytes / 1e6);
    std::printf("  plain number parse            %8.1f ms\n", figures.parseMs);
    std::printf("  open to first paint           %8.1f ms = %.2f x the parse%s\n", figures.openMs,
                figures.openMs / figures.parseMs, day ? "   (target <= 500 ms and <= 2 x)" : "");
    std::printf("  zoom or pan repaint           median %.2f ms, worst %.2f ms   (target <= %.0f ms)\n",
                figures.zoomMedianMs, figures.zoomWorstMs, zoomTarget);
    std::printf("  heap per sample: the data %.1f bytes, with the window %.1f bytes   (target <= 64)\n",
                figures.dataBytesPerSample, figures.bytesPerSample);
    met = met && figures.zoomWorstMs <= zoomTarget && figures.bytesPerSample <= 64 &&
          (!day || (figures.openMs <= 500 && figures.openMs <= 2 * figures.parseMs));
    if (day)
      measureFollowing(path);
  }
  return met ? 0 : 2;
}
