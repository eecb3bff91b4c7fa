#include "monitor/ui/graph_box.h"
#include "platform/twips.h"

#include <QApplication>
#include <gtest/gtest.h>

namespace orvane {
namespace {

constexpr Rgb kRed{255, 0, 0};

class GraphBoxTest : public ::testing::Test {
protected:
  // The colour on screen at a point of the box's own twips.
  QRgb shownAt(int x, int y) {
    const QImage shown = box.grab().toImage();
    const QPoint at = box.contentsRect().topLeft() + QPoint(twipsToPixels(x), twipsToPixels(y));
    return shown.pixel(at) & 0xFFFFFF;
  }
  QRgb face() const { return box.palette().color(QPalette::Button).rgb() & 0xFFFFFF; }

  GraphBox box{plainGraphScale(), QSize(542, 361), nullptr};
};

TEST_F(GraphBoxTest, traceShowsAboveTheBackgroundButBelowTheAxes) {
  box.drawLine(300, 3000, 7000, 3000, kRed);
  EXPECT_EQ(shownAt(3000, 3000), qRgb(255, 0, 0) & 0xFFFFFF);
  EXPECT_EQ(shownAt(570, 3000), 0u);
}

TEST_F(GraphBoxTest, erasingATraceLeavesTheAxesAndTicksWhole) {
  const Rgb background = box.background();
  box.drawLine(300, 2625, 7000, 2625, kRed);
  box.drawLine(300, 4995, 7300, 4995, kRed);
  box.drawLine(300, 2625, 7000, 2625, background);
  box.drawLine(300, 4995, 7300, 4995, background);
  EXPECT_EQ(qRgb(background.r, background.g, background.b) & 0xFFFFFF, face());
  EXPECT_EQ(shownAt(3000, 2625), face());
  EXPECT_EQ(shownAt(570, 2625), 0u);
  EXPECT_EQ(shownAt(520, 2625), 0u);
  EXPECT_EQ(shownAt(3000, 4995), 0u);
  EXPECT_EQ(shownAt(570, 4000), 0u);
}

TEST_F(GraphBoxTest, drawingRepaintsTheBox) {
  int paints = 0;
  struct PaintCounter final : QObject {
    explicit PaintCounter(int& paints) : paints(paints) {}
    bool eventFilter(QObject*, QEvent* event) override {
      paints += event->type() == QEvent::Paint;
      return false;
    }
    int& paints;
  } counter(paints);
  box.show();
  QApplication::processEvents();
  box.installEventFilter(&counter);
  box.drawLine(600, 1000, 3000, 1000, kRed);
  QApplication::processEvents();
  EXPECT_GT(paints, 0);
  paints = 0;
  box.clear();
  QApplication::processEvents();
  EXPECT_GT(paints, 0);
}

} // namespace
} // namespace orvane
