#include "render/session_picture.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>

namespace orvane {
namespace {

struct Values {
  double frequency, current, dcLink;
};

// A session log of `count` samples at 0.5 s, as many sessions as `sessions`.
void writeLog(const std::string& path, const std::vector<std::function<Values(int sample)>>& sessions, int count) {
  std::ofstream log(path, std::ios::binary);
  for (const auto& values : sessions) {
    log << "Time (s),Frequency (Hz),Current (A),Current (%),DC Link (V)\r\n";
    for (int i = 0; i < count; ++i) {
      const Values v = values(i);
      log << i * 0.5 << ',' << v.frequency << ',' << v.current << ',' << v.current * 10 << ',' << v.dcLink
          << "\r\n";
    }
  }
}

// How strongly a pixel shows a trace's colour over the white background: red
// frequency, green current, blue DC link.
enum class Trace { Frequency, Current, DcLink };
int tint(QRgb pixel, Trace trace) {
  const int r = qRed(pixel), g = qGreen(pixel), b = qBlue(pixel);
  switch (trace) {
  case Trace::Frequency:
    return r - std::max(g, b);
  case Trace::Current:
    return 2 * (g - std::max(r, b));
  case Trace::DcLink:
    return b - std::max(r, g);
  }
  return 0;
}

// The picture of a trace: for each column, the top row showing it at least a quarter
// (a line between two rows of pixels shows half in each).
struct TracePicture {
  TracePicture(const QImage& image, Trace trace) : top(image.width(), -1) {
    for (int x = 0; x < image.width(); ++x)
      for (int y = 0; y < image.height() && top[x] < 0; ++y)
        if (tint(image.pixel(x, y), trace) >= 64)
          top[x] = y;
  }
  std::vector<int> top;
};

class RenderPicture : public ::testing::Test {
protected:
  RenderOutcome render(std::vector<std::string> options) {
    RenderRequest request;
    request.log = log;
    request.picture = picture;
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
      if (options[i] == "--session")
        request.session = std::stoul(options[i + 1]);
      else
        (options[i] == "--from" ? request.from : request.to) = std::stod(options[i + 1]);
    }
    return drawSessionPicture(loadSession(request), request);
  }
  QImage image() const { return QImage(QString::fromStdString(picture)); }

  // The plots' left and right edges: where the flat DC link line begins and ends.
  std::pair<int, int> plotEdges(const QImage& drawn) const {
    const TracePicture dc(drawn, Trace::DcLink);
    const int flatRow = dc.top[drawn.width() / 2];
    int left = drawn.width() / 2, right = left;
    while (left > 0 && dc.top[left - 1] == flatRow)
      --left;
    while (right + 1 < drawn.width() && dc.top[right + 1] == flatRow)
      ++right;
    return {left, right};
  }

  QTemporaryDir folder;
  std::string log = (folder.path() + "/Trend.CSV").toStdString();
  std::string picture = (folder.path() + "/trend.png").toStdString();
};

// 20,000 samples on 1600 columns: the frequency's three levels sit on evenly
// spaced rows in the top plot, the one-sample current peak survives at its
// time in the middle plot, and each trace keeps to its own plot.
TEST_F(RenderPicture, levelsAndAOneSamplePeakLandOnTheirRowsAndColumns) {
  constexpr int kSamples = 20000;
  writeLog(
      log, {[](int i) {
        return Values{i < kSamples / 3 ? 10.0 : i < 2 * kSamples / 3 ? 20.0 : 30.0, i == 12000 ? 19.6 : 5, 560};
      }},
      kSamples);
  ASSERT_EQ(render({}).exitStatus, 0);
  const QImage drawn = image();
  ASSERT_EQ(drawn.size(), QSize(1600, 900));
  const auto [left, right] = plotEdges(drawn);
  ASSERT_GT(right - left, 1300);
  const auto column = [left = left, right = right](double fraction) {
    return left + static_cast<int>(fraction * (right - left));
  };

  const TracePicture frequency(drawn, Trace::Frequency), current(drawn, Trace::Current), dc(drawn, Trace::DcLink);
  const int at10 = frequency.top[column(1 / 6.0)], at20 = frequency.top[column(0.5)],
            at30 = frequency.top[column(5 / 6.0)];
  EXPECT_LT(at30, at20);
  EXPECT_LT(at20, at10);
  EXPECT_NEAR(at10 - at20, at20 - at30, 1);
  EXPECT_LT(at10, 300);

  const auto peak = std::min_element(current.top.begin() + left, current.top.begin() + right + 1,
                                     [](int a, int b) { return (a < 0 ? INT_MAX : a) < (b < 0 ? INT_MAX : b); });
  EXPECT_NEAR(peak - current.top.begin(), column(12000.0 / (kSamples - 1)), 2);
  const int flatCurrent = current.top[column(0.25)];
  EXPECT_GT(flatCurrent - *peak, 150);
  EXPECT_GT(*peak, at10);
  EXPECT_GT(dc.top[column(0.5)], 600);
  EXPECT_LT(flatCurrent, dc.top[column(0.5)]);
}

// A time range and a session of the file: the peak moves to where its time
// falls in what is drawn.
TEST_F(RenderPicture, theAskedRangeAndSessionAreWhatIsDrawn) {
  const auto peakAt = [](int at) { return [at](int i) { return Values{25, i == at ? 19.6 : 5, 560}; }; };
  writeLog(log, {peakAt(500), peakAt(1500)}, 2000);
  const auto peakColumnFraction = [&] {
    const QImage drawn = image();
    const auto [left, right] = plotEdges(drawn);
    const TracePicture current(drawn, Trace::Current);
    int best = left;
    for (int x = left; x <= right; ++x)
      if (current.top[x] >= 0 && current.top[x] < current.top[best])
        best = x;
    return static_cast<double>(best - left) / (right - left);
  };
  ASSERT_EQ(render({}).exitStatus, 0); // the last session
  EXPECT_NEAR(peakColumnFraction(), 0.75, 0.005);
  ASSERT_EQ(render({"--session", "1"}).exitStatus, 0);
  EXPECT_NEAR(peakColumnFraction(), 0.25, 0.005);
  ASSERT_EQ(render({"--session", "1", "--from", "200", "--to", "300"}).exitStatus, 0);
  EXPECT_NEAR(peakColumnFraction(), 0.5, 0.005);
}

TEST_F(RenderPicture, aFileThatCannotBeDrawnSaysWhy) {
  std::ofstream(log, std::ios::binary) << std::string(4096, '\0');
  const RenderOutcome nulls = render({});
  EXPECT_EQ(nulls.exitStatus, 1);
  EXPECT_NE(nulls.reason.find(log), std::string::npos) << nulls.reason;
  writeLog(log, {[](int) { return Values{25, 5, 560}; }}, 10);
  const RenderOutcome third = render({"--session", "3"});
  EXPECT_EQ(third.exitStatus, 1);
  EXPECT_NE(third.reason.find("holds 1 session, not a session 3"), std::string::npos) << third.reason;
  EXPECT_EQ(render({"--from", "4", "--to", "2"}).exitStatus, 2);
}

// As in the Session Viewer, a logger's file shows its first session on clock
// time, counted from the start its name carries; its later sessions do not.
TEST_F(RenderPicture, aLoggersFirstSessionIsOnClockTime) {
  const std::string logger = (folder.path() + "/Trend-2026-12-06_22-00-05.CSV").toStdString();
  writeLog(logger, {[](int) { return Values{25, 5, 560}; }, [](int) { return Values{25, 5, 560}; }}, 10);
  RenderRequest request;
  request.log = logger;
  request.session = 1;
  EXPECT_EQ(loadSession(request).clockStart, epochSeconds(ClockTime{2026, 12, 6, 22, 0, 5}));
  request.session = 2;
  EXPECT_FALSE(loadSession(request).clockStart);
  writeLog(log, {[](int) { return Values{25, 5, 560}; }}, 10);
  request.log = log;
  request.session = 1;
  EXPECT_FALSE(loadSession(request).clockStart);
}

// A logger's folder of two files ten minutes apart, each of 300 s: one
// timeline with its gap, and the trip of Events.CSV marked at its clock time
// unless left out.
TEST_F(RenderPicture, aFolderIsDrawnAsOneTimelineWithItsEventMarks) {
  const std::string dir = (folder.path() + "/logs").toStdString();
  std::filesystem::create_directory(dir);
  for (const char* name : {"/Trend-2026-12-06_23-50-00.CSV", "/Trend-2026-12-07_00-00-00.CSV"})
    writeLog(dir + name, {[](int) { return Values{25, 5, 560}; }}, 601);
  std::ofstream(dir + "/Events.CSV") << "Clock time,Session file,Event,Text\n2026-12-06 23:52:00,a,trip,ERR\n";
  RenderRequest request;
  request.log = dir;
  request.picture = picture;
  const auto draw = [&] {
    EXPECT_EQ(drawSessionPicture(loadSession(request), request).exitStatus, 0);
    return image();
  };
  const auto markColumns = [](const QImage& drawn) {
    std::vector<int> columns;
    for (int x = 0; x < drawn.width(); ++x) {
      int rows = 0;
      for (int y = 0; y < drawn.height(); ++y)
        rows += drawn.pixelColor(x, y) == QColor(220, 0, 0);
      if (rows > drawn.height() / 2)
        columns.push_back(x);
    }
    return columns;
  };
  const QImage drawn = draw();
  const TracePicture dc(drawn, Trace::DcLink);
  // The flat DC link runs from the first sample's column to the last one's, broken in between.
  int first = drawn.width() / 8, last = drawn.width() * 7 / 8;
  const int row = dc.top[first];
  while (first > 0 && dc.top[first - 1] == row)
    --first;
  while (last + 1 < drawn.width() && dc.top[last + 1] == row)
    ++last;
  const auto column = [&](double time) {
    return first + static_cast<int>(std::lround(time / 900 * (last - first)));
  };
  EXPECT_EQ(dc.top[column(450)], -1) << "no line across the gap";
  EXPECT_GE(dc.top[column(200)], 0);
  EXPECT_GE(dc.top[column(700)], 0);
  const std::vector<int> marks = markColumns(drawn);
  ASSERT_EQ(marks.size(), 1u);
  EXPECT_NEAR(marks[0], column(120), 1);
  request.events = false;
  EXPECT_TRUE(markColumns(draw()).empty());
}

// DC link above 600 V from 50 s to 100 s with a dip to 595 V at 75 s: raised at 55 s (5 s beyond)
// and not cleared by the dip (inside by less than 10 V), so the band covers 55 s to 100 s only.
TEST_F(RenderPicture, aLimitsBandCoversTheTimeItWasRaised) {
  writeLog(log, {[](int i) {
             return Values{25, 5, i < 100 || i >= 200 ? 560.0 : i == 150 ? 595.0 : 620.0};
           }},
           600);
  const std::string limits = (folder.path() + "/limits.conf").toStdString();
  std::ofstream(limits) << "hot = dc_link_v > 600 for 5 hysteresis 10\n";
  RenderRequest request;
  request.log = log;
  request.picture = picture;
  request.limitsFile = limits;
  ASSERT_EQ(drawSessionPicture(loadSession(request), request).exitStatus, 0);
  const QImage drawn = image();
  // The plots' edges: where the flat frequency line begins and ends.
  const TracePicture frequency(drawn, Trace::Frequency);
  int left = drawn.width() / 2, right = left;
  while (left > 0 && frequency.top[left - 1] == frequency.top[left])
    --left;
  while (right + 1 < drawn.width() && frequency.top[right + 1] == frequency.top[right])
    ++right;
  // Rows of the column tinted as a band is (a trace's own pixels are far stronger).
  const auto bandRows = [&](double time) {
    const int x = left + static_cast<int>(std::lround(time / 299.5 * (right - left)));
    int rows = 0;
    for (int y = 0; y < drawn.height(); ++y)
      rows += tint(drawn.pixel(x, y), Trace::DcLink) >= 24 && tint(drawn.pixel(x, y), Trace::DcLink) < 64;
    return rows;
  };
  for (const double inside : {56.0, 75.0, 99.0})
    EXPECT_GT(bandRows(inside), 100) << inside;
  for (const double outside : {45.0, 53.0, 102.0, 200.0})
    EXPECT_LT(bandRows(outside), 10) << outside;
  request.limitsFile = folder.path().toStdString() + "/none.conf";
  EXPECT_EQ(loadSession(request).outcome.exitStatus, 2);
}

// The program itself, with no display server named and no platform chosen.
TEST(RenderCommand, drawsWithNoDisplayAndExitsOneForAFileAndTwoForArguments) {
  const QTemporaryDir folder;
  const QString log = folder.path() + "/Trend.CSV", png = folder.path() + "/out.png";
  writeLog(log.toStdString(), {[](int i) { return Values{i * 0.1, 5, 560}; }}, 100);
  const auto run = [](const QStringList& arguments, QString* errors = nullptr) {
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"})
      environment.remove(name);
    program.setProcessEnvironment(environment);
    program.start(ORVANE_BIN_DIR "/orvane-trend", QStringList{"--render"} + arguments);
    program.waitForFinished(60000);
    if (errors)
      *errors = QString::fromLocal8Bit(program.readAllStandardError());
    return program.exitStatus() == QProcess::NormalExit ? program.exitCode() : -1;
  };
  QString errors;
  EXPECT_EQ(run({log, "--png", png, "--size", "640x480"}, &errors), 0);
  EXPECT_EQ(QImage(png).size(), QSize(640, 480));
  EXPECT_EQ(errors, ""); // nothing for cron to mail

  EXPECT_EQ(run({folder.path() + "/none.CSV", "--png", png}, &errors), 1);
  EXPECT_TRUE(errors.contains("none.CSV")) << errors.toStdString();
  EXPECT_EQ(run({log, "--png", png, "--size", "big"}, &errors), 2);
  EXPECT_TRUE(errors.contains("--size takes WxH") && errors.contains("usage: orvane-trend --render"))
      << errors.toStdString();
}

} // namespace
} // namespace orvane
