#include "fakes/log_header.h"
#include "viewer/ui/picture_file.h"
#include "viewer/ui/session_plot.h"
#include "viewer/ui/session_viewer_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QTemporaryDir>
#include <fstream>
#include <gtest/gtest.h>

namespace orvane {
namespace {

class SessionViewerWindowTest : public ::testing::Test {
protected:
  QString write(const QString& name, const std::string& text) {
    const QString path = folder_.filePath(name);
    std::ofstream(path.toStdString(), std::ios::binary) << text;
    return path;
  }
  // Opens the file and lets the reading thread hand over all it holds.
  SessionViewerWindow& open(const QString& path) {
    window_ = std::make_unique<SessionViewerWindow>(path);
    while (!window_->model().caughtUp())
      QApplication::processEvents(QEventLoop::WaitForMoreEvents);
    return *window_;
  }
  QString label(const char* name) const { return window_->findChild<QLabel*>(name)->text(); }
  QCPRange valueRange(int row) const { return window_->plot().axisRects()[row]->axis(QCPAxis::atLeft)->range(); }

  QTemporaryDir folder_;
  std::unique_ptr<SessionViewerWindow> window_;
};

TEST_F(SessionViewerWindowTest, offersEachSessionAndCountsTheLinesItSkipped) {
  open(write("Trend.CSV", kLogHeader + "0,1,1,1,1\r\n0.5,1,1,1,1\r\n" + kLogHeader +
                              "0,2,2,2,2\r\nbad\r\n0.5,2,2,2,2\r\n\xff\r\n1,2,2,2,2\r\n"));
  auto* sessions = window_->findChild<QComboBox*>();
  ASSERT_EQ(sessions->count(), 2);
  EXPECT_EQ(sessions->itemText(0), "1 of 2, 0:00:00.5 long");
  EXPECT_EQ(sessions->currentIndex(), 1) << "the last session first";
  EXPECT_TRUE(sessions->isEnabled());
  EXPECT_EQ(label("counts"), "3 samples · 2 lines skipped");
  sessions->activated(0);
  EXPECT_EQ(label("counts"), "2 samples · 0 lines skipped");
  EXPECT_EQ(window_->plot().visibleTime(), QCPRange(0, 0.5));
}

TEST_F(SessionViewerWindowTest, fitsTheValueAxesToWhatIsInView) {
  std::string log = kLogHeader;
  for (int i = 0; i < 40; ++i)
    log += std::to_string(i) + (i < 20 ? ",10,2,20," + std::to_string(500 + i) + "\r\n" : ",-50,8,80,700\r\n");
  open(write("Trend.CSV", log));
  SessionPlot& plot = window_->plot();
  plot.setVisibleTime(QCPRange(0, 10));
  EXPECT_TRUE(valueRange(0).contains(10) && valueRange(0).contains(0) && !valueRange(0).contains(-50));
  EXPECT_TRUE(valueRange(2).contains(500) && !valueRange(2).contains(490)) << "the DC link shows its detail";
  plot.fitSession();
  EXPECT_TRUE(valueRange(0).contains(-50) && valueRange(0).contains(10));
  EXPECT_TRUE(valueRange(1).contains(8) && valueRange(2).contains(700) && valueRange(2).contains(500));
}

// Many more pieces than the reading thread runs ahead, each with memory a
// piece before it used: every sample must arrive once, in order.
TEST_F(SessionViewerWindowTest, readsAFileOfManyPiecesWhole) {
  std::string log = kLogHeader;
  constexpr int kLines = 150000;
  for (int i = 0; i < kLines; ++i)
    log += std::to_string(i) + ".5," + (i % 2 == 0 ? "0" : "100") + ",1,2,3\r\n";
  window_ = std::make_unique<SessionViewerWindow>(write("Trend.CSV", log));
  window_->show();
  while (!window_->model().caughtUp())
    QApplication::processEvents(QEventLoop::WaitForMoreEvents);
  EXPECT_EQ(label("counts"), "150,000 samples · 0 lines skipped");
  const SampleStore& store = window_->model().store();
  ASSERT_EQ(store.size(), static_cast<std::size_t>(kLines));
  for (std::size_t i = 0; i < store.size(); ++i)
    if (store.time(i) != static_cast<double>(i) + 0.5 ||
        store.value(Frequency, i) != static_cast<float>(i % 2 * 100))
      FAIL() << "sample " << i;
  const QCPRange shown = window_->plot().visibleTime();
  EXPECT_TRUE(shown.lower == 0.5 && shown.contains(kLines - 0.5));

  // Drawing waits while the file is read, and then shows all of it: each
  // pixel column of the frequency plot spans 0 to 100 Hz.
  QApplication::processEvents();
  const QImage onScreen = window_->plot().grab().toImage();
  const QRect frequency = window_->plot().axisRects()[0]->rect();
  const int lastColumn =
      static_cast<int>(window_->plot().axisRects()[0]->axis(QCPAxis::atBottom)->coordToPixel(kLines - 2));
  int red = 0;
  for (int y = frequency.top(); y <= frequency.bottom(); ++y)
    red += onScreen.pixelColor(lastColumn, y) == QColor(255, 0, 0) ? 1 : 0;
  EXPECT_GT(red, frequency.height() / 2);
}

TEST_F(SessionViewerWindowTest, saysWhatItSkippedInAFileWithoutSamples) {
  open(write("nul.CSV", std::string(5000, '\0')));
  EXPECT_TRUE(label("message").contains("holds no sample lines (5000 bytes without a line end)"))
      << label("message").toStdString();
  const QString large = folder_.filePath("large.CSV");
  std::filesystem::resize_file((std::ofstream(large.toStdString()), large.toStdString()), 300u << 20);
  open(large);
  EXPECT_TRUE(label("message").endsWith(
      "cannot be shown: it holds 300 MB, more than the 256 MB the Session Viewer reads."))
      << label("message").toStdString();
}

TEST_F(SessionViewerWindowTest, showsClockTimeForALogNamedByItsStart) {
  const std::string log = kLogHeader + "0,1,1,1,1\r\n1.5,1,1,1,1\r\n";
  open(write("Trend.CSV", log));
  EXPECT_FALSE(window_->findChild<QAction*>("clockTime")->isEnabled());
  EXPECT_EQ(window_->plot().timeText(1.5), "0:00:01.5");

  open(write("Trend-2026-12-06_23-43-01.CSV", log));
  QAction* clock = window_->findChild<QAction*>("clockTime");
  EXPECT_TRUE(clock->isEnabled() && clock->isChecked());
  EXPECT_EQ(window_->plot().timeText(1.5), "2026-12-06 23:43:02.5");
  EXPECT_EQ(window_->plot().axisRects()[2]->axis(QCPAxis::atBottom)->label(), "Clock time");
  clock->trigger();
  EXPECT_EQ(window_->plot().timeText(1.5), "0:00:01.5");
}

TEST_F(SessionViewerWindowTest, savesThePictureAsTheChosenType) {
  EXPECT_EQ(pictureFileName("run", kPdfPictureFilter), "run.pdf");
  EXPECT_EQ(pictureFileName("run", kPngPictureFilter), "run.png");
  EXPECT_EQ(pictureFileName("run.PDF", kPngPictureFilter), "run.PDF");
  open(write("Trend.CSV", kLogHeader + "0,1,1,1,1\r\n0.5,2,2,2,2\r\n"));
  for (const auto& [name, signature] : {std::pair{"run.pdf", "%PDF"}, std::pair{"run.png", "\x89PNG"}}) {
    const QString path = folder_.filePath(name);
    ASSERT_TRUE(savePicture(window_->plot(), path));
    std::ifstream file(path.toStdString(), std::ios::binary);
    std::string start(4, '\0');
    file.read(start.data(), 4);
    EXPECT_EQ(start, signature);
  }
}

} // namespace
} // namespace orvane
