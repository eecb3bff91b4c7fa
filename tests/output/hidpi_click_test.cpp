#include "monitor/ui/graph_box.h"
#include "output_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

namespace orvane::testing {
namespace {

constexpr Rgb kRed{255, 0, 0};

TEST(HighDensityGraphBoxTest, aClickReportsTheTwipsOfWhatIsDrawnUnderThePointer) {
  GraphBox box(plainGraphScale(), QSize(542, 361), nullptr);
  box.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&box));
  ASSERT_EQ(box.devicePixelRatioF(), 2.0);

  std::vector<std::pair<float, float>> reported;
  box.setMouseDownHandler([&](float x, float y) { reported.emplace_back(x, y); });

  // A click at a logical pixel reports the same twips as on a plain screen.
  QTest::mouseClick(&box, Qt::LeftButton, {}, box.contentsRect().topLeft() + QPoint(40, 10));
  ASSERT_EQ(reported.size(), 1u);
  EXPECT_EQ(reported[0], std::make_pair(600.0f, 150.0f));

  // A dot one logical pixel wide covers two by two device pixels; a press on
  // any of them reports the dot's twips to within one device pixel (7.5 twips).
  box.drawLine(3000, 1500, 3000, 1500, kRed);
  const QImage shown = box.grab().toImage();
  ASSERT_EQ(shown.size(), box.size() * 2);
  // Right of the y axis, clear of the red scale labels.
  const int right = 2 * (box.contentsRect().left() + twipsToPixels(1000));
  std::optional<QPoint> dot;
  for (int y = 0; y < shown.height() && !dot; ++y)
    for (int x = right; x < shown.width() && !dot; ++x)
      if (shown.pixelColor(x, y) == QColor(255, 0, 0))
        dot = QPoint(x, y);
  ASSERT_TRUE(dot);
  for (const QPoint corner : {*dot, *dot + QPoint(1, 1)}) {
    const QPointF logical = QPointF(corner) / 2.0;
    QMouseEvent press(QEvent::MouseButtonPress, logical, box.mapToGlobal(logical), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(&box, &press);
  }
  ASSERT_EQ(reported.size(), 3u);
  for (std::size_t press = 1; press < 3; ++press) {
    EXPECT_NEAR(reported[press].first, 3000, 7.5);
    EXPECT_NEAR(reported[press].second, 1500, 7.5);
  }
}

TEST_F(OutputTest, atTwiceThePixelDensityTheCopyHasEveryDevicePixel) {
  fill(0, 9, 1000, 3000, 4000);
  messages.answers = {MessageAnswer::No};
  choose("clipboardmenu");

  const QImage copied = QGuiApplication::clipboard()->image();
  QWidget& graph = *topLevel("Graph");
  ASSERT_EQ(copied.size(), graph.size() * 2);
  // The trace crosses this column as a line one logical pixel thick: two
  // device pixels, within a logical pixel of where it lies at 1x.
  const QPoint trace = pixelOf(graph, "Picture1", 570 + 4 * 20 + 10, 1000) * 2;
  int red = 0;
  for (int y = trace.y() - 3; y <= trace.y() + 3; ++y)
    red += copied.pixelColor(trace.x(), y) == QColor(255, 0, 0);
  EXPECT_EQ(red, 2);
}

} // namespace
} // namespace orvane::testing
