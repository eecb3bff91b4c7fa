#include "output_fixture.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

namespace orvane::testing {
namespace {

const QColor kRed(255, 0, 0);
const QColor kGreen(0, 128, 0);
const QColor kBlue(0, 0, 255);
// Between the fifth and sixth sample: on a segment, never on a grid line.
constexpr int kSegmentX = 570 + 4 * 20 + 10;

class GraphCopyTest : public OutputTest {
protected:
  GraphCopyTest() {
    QGuiApplication::clipboard()->setText(QStringLiteral("before the copy"));
    fill(0, 9, 1000, 3000, 4000);
  }

  QImage copied() const { return QGuiApplication::clipboard()->image(); }
  QWidget& graph() const { return *topLevel("Graph"); }
  QColor copiedAt(const char* box, int x, int y) const { return copied().pixelColor(pixelOf(graph(), box, x, y)); }
  QColor copiedAt(const char* legendLine) const {
    const QWidget* line = graph().findChild<QFrame*>(legendLine);
    return copied().pixelColor(line->mapTo(&graph(), line->rect().center()));
  }
};

TEST_F(GraphCopyTest, answeringNoCopiesTheGraphAtOnceWithTracesWhereTheArraysPutThem) {
  state().speedys[7] = 0; // a gap: no segment to or from it
  messages.answers = {MessageAnswer::No};
  state().trend.setCaption("Label32", "2.8");
  choose("clipboardmenu");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Copy to Clipboard");
  EXPECT_EQ(messages.shown[0].text, "Would you like to include a title for the graph?");
  EXPECT_EQ(messages.shown[0].icon, MessageIcon::Information);
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);

  ASSERT_EQ(copied().size(), QSize(533, 448));
  EXPECT_EQ(graph().size(), QSize(533, 448));
  EXPECT_FALSE(graph().isVisible());
  EXPECT_EQ(copiedAt("Picture1", kSegmentX, 1000), kRed);
  EXPECT_EQ(copiedAt("Picture1", kSegmentX, 3000), kGreen);
  EXPECT_EQ(copiedAt("Picture1", kSegmentX, 4000), kBlue);
  const QColor background = graph().palette().color(QPalette::Button);
  EXPECT_EQ(copiedAt("Picture1", 570 + 12 * 20, 1000), background);
  EXPECT_EQ(copiedAt("Picture1", kSegmentX, 2000), background);
  int redAroundTheGap = 0;
  for (int y = 250; y <= 5000; y += 15)
    for (const int x : {570 + 6 * 20 + 10, 570 + 7 * 20 + 10})
      redAroundTheGap += copiedAt("Picture1", x, y) == kRed;
  EXPECT_EQ(redAroundTheGap, 0);
  EXPECT_EQ(copiedAt("Picture1", 570 + 8 * 20 + 10, 1000), kRed);

  EXPECT_EQ(graph().findChild<QLabel*>("Label32")->text(), "2.8");
  EXPECT_EQ(copiedAt("Line9"), kRed);
  EXPECT_EQ(copiedAt("Line10"), kGreen);
  EXPECT_EQ(copiedAt("Line11"), kBlue);
}

TEST_F(GraphCopyTest, withDirectionGraphTheSignedGraphIsCopied) {
  state().options.setChecked("directiongraph", true);
  fill(0, 9, 2725, 1000, 1500);
  messages.answers = {MessageAnswer::No};
  choose("cliptoolbar");

  EXPECT_FALSE(graph().findChild<QFrame*>("Picture1")->isVisibleTo(&graph()));
  EXPECT_EQ(copiedAt("Picture3", kSegmentX, 2725), kRed);
  EXPECT_EQ(copiedAt("Picture3", kSegmentX, 1000), kGreen);
  EXPECT_EQ(copiedAt("Picture3", kSegmentX, 1500), kBlue);
  EXPECT_EQ(copiedAt("Picture3", 3000, 2625), QColor(Qt::black)); // the axis across the middle

  state().options.setChecked("directiongraph", false);
  messages.answers = {MessageAnswer::No};
  choose("clipboardmenu");
  EXPECT_FALSE(graph().findChild<QFrame*>("Picture3")->isVisibleTo(&graph()));
  EXPECT_EQ(copiedAt("Picture1", kSegmentX, 2725), kRed);
}

} // namespace
} // namespace orvane::testing
