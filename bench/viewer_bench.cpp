// The Session Viewer on generated logs of 24 hours and 7 days at 0.5 s, as a
// user waits for it: the open until the whole session is drawn, against a
// plain read and number parse of the same file; the longest the window is
// away from its input meanwhile; the repaint after a zoom or pan; a line
// followed into the window, repaint and statistics included; the heap per
// sample with the window. `bench-viewer --write FILE HOURS` only writes a
// generated log. `bench-viewer --timeline [DAYS]` measures a logger's folder
// of daily files (30 by default) as one timeline instead, and
// `bench-viewer --write-folder FOLDER DAYS` only writes such a folder.
#include "bench_figures.h"
#include "session_log_generator.h"
#include "viewer/folder_scanner.h"
#include "viewer/session_log_model.h"
#include "viewer/ui/session_plot.h"
#include "viewer/ui/session_viewer_window.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <numeric>

using namespace orvane;

namespace {

constexpr int kRepeats = 5;
constexpr int kProbeMs = 5;

double heapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

// The least any reader must do: read the file into memory at once and turn
// every field into a number; each file of a folder in turn.
double plainParse(const std::string& path) {
  if (std::filesystem::is_directory(path)) {
    double sum = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path))
      sum += plainParse(entry.path().string());
    return sum;
  }
  std::FILE* file = std::fopen(path.c_str(), "rb");
  std::string text(std::filesystem::file_size(path), '\0');
  const std::size_t got = std::fread(text.data(), 1, text.size(), file);
  std::fclose(file);
  text.resize(got);
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

// How late a 5 ms timer fires at worst: the longest the window's thread is
// away from its input while the file is read (from its first paint on).
class StallProbe {
public:
  StallProbe() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(kProbeMs);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      worst_ = std::max(worst_, static_cast<double>(since_.nsecsElapsed()) / 1e6 - kProbeMs);
      since_.start();
    });
    since_.start();
    timer_.start();
  }
  double worstMs() const { return worst_; }

private:
  QTimer timer_;
  QElapsedTimer since_;
  double worst_ = 0;
};

void waitUntilRead(const SessionViewerWindow& window) {
  while (!window.model().caughtUp())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

struct Figures {
  double parseMs = 0;
  double openMs = 0;
  // Of the open: the window made, shown and painted with empty plots.
  double shownMs = 0;
  double stallMs = 0;
  double zoomMedianMs = 0;
  double zoomWorstMs = 0;
  double bytesPerSample = 0;
  double dataBytesPerSample = 0;
};

Figures measureLog(const std::string& path, long samples) {
  Figures figures;
  std::vector<bench::Sample> parses;
  std::vector<bench::Sample> opens;
  std::vector<bench::Sample> shows;
  std::vector<double> stalls;
  volatile double sink = 0;
  for (int i = 0; i < kRepeats; ++i) {
    parses.push_back(bench::measure([&] { sink = sink + plainParse(path); }));
    std::unique_ptr<SessionViewerWindow> window;
    std::unique_ptr<StallProbe> probe;
    opens.push_back(bench::measure([&] {
      // Shown, read to the end on its thread, and the whole session painted.
      shows.push_back(bench::measure([&] {
        window = std::make_unique<SessionViewerWindow>(QString::fromStdString(path));
        window->show();
        QApplication::processEvents();
      }));
      probe = std::make_unique<StallProbe>();
      waitUntilRead(*window);
      window->plot().replot(QCustomPlot::rpImmediateRefresh);
      window->repaint();
    }));
    stalls.push_back(probe->worstMs());
    window.reset();
    QApplication::processEvents();
  }
  figures.parseMs = bench::medianWallMs(parses);
  figures.openMs = bench::medianWallMs(opens);
  figures.shownMs = bench::medianWallMs(shows);
  figures.stallMs = percentile(stalls, 1.0);

  {
    const double before = heapBytes();
    SessionLogModel model(path);
    readAvailable(*openBatchSource(path), model);
    figures.dataBytesPerSample = (heapBytes() - before) / static_cast<double>(samples);
  }
  const double heapBefore = heapBytes();
  SessionViewerWindow window(QString::fromStdString(path));
  window.show();
  waitUntilRead(window);
  window.plot().replot(QCustomPlot::rpImmediateRefresh);
  window.repaint();
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
// The window shows a copy of the log that does not grow; the lines appended
// to the log itself are read as the reading thread reads them and handed to
// the window, which shows them and repaints all of itself.
double measureFollowing(const std::string& path) {
  const std::string growing = path + ".growing";
  std::filesystem::copy_file(path, growing, std::filesystem::copy_options::overwrite_existing);
  SessionViewerWindow window(QString::fromStdString(path));
  window.show();
  waitUntilRead(window);
  LogScanner scanner(growing);
  while (scanner.next(16u << 20).more) {
  }
  std::ofstream log(growing, std::ios::binary | std::ios::app);
  double time = 86400;
  std::vector<bench::Sample> reads;
  std::vector<bench::Sample> shows;
  for (int i = 0; i < 200; ++i) {
    log << time << ",49.98,6.12,81.6,561\r\n" << std::flush;
    time += 0.5;
    LogBatch batch;
    reads.push_back(bench::measure([&] { batch = scanner.next(16u << 20); }));
    // What the window does with a piece: shown, statistics, and the repaint that the event loop runs.
    shows.push_back(bench::measure([&] {
      window.showBatch(batch);
      QApplication::processEvents();
      QApplication::processEvents();
    }));
  }
  const std::vector<double> showTimes = wallTimes(shows);
  const double showMean =
      std::accumulate(showTimes.begin(), showTimes.end(), 0.0) / static_cast<double>(shows.size());
  std::printf("Following a 24-hour log, 200 appended lines, the whole session in view\n");
  std::printf("  on the reading thread: read and parse a line   median %.3f ms\n", bench::medianWallMs(reads));
  std::printf("  in the window: shown, statistics, repainted    mean %.3f ms, median %.3f ms, worst %.3f ms   "
              "(target <= 1 ms a tick)\n",
              showMean, bench::medianWallMs(shows), percentile(showTimes, 1.0));
  std::filesystem::remove(growing);
  return showMean;
}

// A month of daily files as one timeline: drawn whole within 1.5 s of the
// start, zoom and pan within a frame, at most 32 bytes a sample.
int measureTimeline(int days) {
  const QTemporaryDir folder;
  const std::string path = folder.path().toStdString();
  const long samples = bench::writeLoggerFolder(path, days);
  const Figures figures = measureLog(path, samples);
  std::printf("%d daily files as one timeline: %ld samples\n", days, samples);
  std::printf("  plain read and number parse   %8.1f ms\n", figures.parseMs);
  std::printf("  open until all of it is drawn %8.1f ms   (target <= 1500 ms)\n", figures.openMs);
  std::printf("  longest the window is away from its input while reading  %.1f ms   (target <= 16 ms)\n",
              figures.stallMs);
  std::printf("  zoom or pan repaint           median %.2f ms, worst %.2f ms   (target <= 16 ms)\n",
              figures.zoomMedianMs, figures.zoomWorstMs);
  std::printf("  heap per sample: the data %.1f bytes, with the window %.1f bytes   (target <= 32)\n",
              figures.dataBytesPerSample, figures.bytesPerSample);
  const bool met = figures.openMs <= 1500 && figures.zoomWorstMs <= 16 && figures.bytesPerSample <= 32;
  return met ? 0 : 2;
}

} // namespace

int main(int argc, char** argv) {
  if (argc == 4 && std::string(argv[1]) == "--write") {
    const long samples = bench::writeSessionLog(argv[2], std::atof(argv[3]));
    std::printf("%ld samples written to %s\n", samples, argv[2]);
    return 0;
  }
  if (argc == 4 && std::string(argv[1]) == "--write-folder") {
    const long samples = bench::writeLoggerFolder(argv[2], std::atoi(argv[3]));
    std::printf("%ld samples written to %s\n", samples, argv[2]);
    return 0;
  }
  if (std::getenv("QT_QPA_PLATFORM") == nullptr)
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
  if (argc >= 2 && std::string(argv[1]) == "--timeline")
    return measureTimeline(argc >= 3 ? std::atoi(argv[2]) : 30);
  const QTemporaryDir folder;
  bool met = true;
  for (const auto& [name, hours] : {std::pair{"24-hour", 24.0}, std::pair{"7-day", 168.0}}) {
    const std::string path = (folder.path() + "/Trend.CSV").toStdString();
    const long samples = bench::writeSessionLog(path, hours);
    const auto bytes = static_cast<double>(std::filesystem::file_size(path));
    const Figures figures = measureLog(path, samples);
    const bool day = hours == 24.0;
    const double zoomTarget = day ? 16 : 30;
    std::printf("%s log: %ld lines, %.1f MB\n", name, samples, bytes / 1e6);
    std::printf("  plain read and number parse   %8.1f ms\n", figures.parseMs);
    std::printf("  open until all of it is drawn %8.1f ms = %.2f x the parse%s\n", figures.openMs,
                figures.openMs / figures.parseMs, day ? "   (target <= 500 ms and <= 2 x)" : "");
    std::printf("    of which the window on screen with empty plots %.1f ms, then read and drawn %.1f ms = %.2f x "
                "the parse\n",
                figures.shownMs, figures.openMs - figures.shownMs,
                (figures.openMs - figures.shownMs) / figures.parseMs);
    std::printf("  longest the window is away from its input while reading  %.1f ms   (target <= 16 ms)\n",
                figures.stallMs);
    std::printf("  zoom or pan repaint           median %.2f ms, worst %.2f ms   (target <= %.0f ms)\n",
                figures.zoomMedianMs, figures.zoomWorstMs, zoomTarget);
    std::printf("  heap per sample: the data %.1f bytes, with the window %.1f bytes   (target <= 64)\n",
                figures.dataBytesPerSample, figures.bytesPerSample);
    met =
        met && figures.zoomWorstMs <= zoomTarget && figures.stallMs <= 16 &&
        (!day || (figures.bytesPerSample <= 64 && figures.openMs <= 500 && figures.openMs <= 2 * figures.parseMs));
    if (day)
      met = measureFollowing(path) <= 1 && met;
  }
  return met ? 0 : 2;
}
