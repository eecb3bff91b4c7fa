#include "fakes/program_fixture.h"
#include "platform/twips.h"

#include <QAction>
#include <QClipboard>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

namespace orvane::testing {
namespace {

// The program after start-up, with the graph output's commands at hand.
class OutputTest : public ProgramTest {
protected:
  OutputTest() { program.Main(); }

  SharedState& state() { return program.state(); }

  // Runs a menu item or toolbar button as the user would; export and copy
  // are enabled by a session's start, which these tests skip.
  void choose(const std::string& name) {
    state().trend.setEnabled(name, true);
    control<QAction>(name)->trigger();
  }

  // Puts one sample at every index from `first` to `last`.
  void fill(int first, int last, std::int16_t fy, std::int16_t ay, std::int16_t vy) {
    for (int i = first; i <= last; ++i) {
      state().graph.speedys[i] = fy;
      state().graph.ampsys[i] = ay;
      state().graph.voltsys[i] = vy;
    }
  }

  // Where a point of a graph box (in its twips) lies in a window's picture.
  static QPoint pixelOf(QWidget& window, const char* box, int x, int y) {
    auto* frame = window.findChild<QFrame*>(box);
    return frame->mapTo(&window, frame->contentsRect().topLeft() + QPoint(twipsToPixels(x), twipsToPixels(y)));
  }
};

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
  // Dark pixels of the copy where the title stands.
  int titleInk() const {
    const QRect line = graph().findChild<QLabel*>("Graphname")->geometry();
    int ink = 0;
    for (int y = line.top(); y <= line.bottom(); ++y)
      for (int x = line.left(); x <= line.right(); ++x)
        ink += qGray(copied().pixel(x, y)) < 128;
    return ink;
  }
  // Answers Yes to the title question and types `text` in the title window.
  void copyTitled(const QString& text) {
    messages.answers = {MessageAnswer::Yes};
    choose("clipboardmenu");
    QWidget& title = *topLevel("Graphtitle");
    title.findChild<QLineEdit*>("title")->setText(text);
    title.findChild<QPushButton*>("Command1")->click();
  }
};

TEST_F(GraphCopyTest, answeringNoCopiesTheGraphAtOnceWithTracesWhereTheArraysPutThem) {
  state().graph.speedys[7] = 0; // a gap: no segment to or from it
  messages.answers = {MessageAnswer::No};
  state().trend.setCaption("Label32", "2.8");
  choose("clipboardmenu");

  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Copy to Clipboard");
  EXPECT_EQ(messages.shown[0].text, "Would you like to include a title for the graph?");
  EXPECT_EQ(messages.shown[0].buttons, MessageButtons::YesNo);
  ASSERT_EQ(copied().size(), QSize(533, 448));
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
}

// Markup in a title is shown as typed: its brackets and letters add ink.
TEST_F(GraphCopyTest, aTitleIsCopiedAsTyped) {
  copyTitled(QStringLiteral("Run 2"));
  EXPECT_EQ(graph().findChild<QLabel*>("Graphname")->text(), "Run 2");
  const int plainInk = titleInk();
  EXPECT_GT(plainInk, 20);
  copyTitled(QStringLiteral("Run <b>2</b>"));
  EXPECT_GT(titleInk(), plainInk + 20);
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

class OutputCommandsTest : public OutputTest {
protected:
  // Presses the mouse on a graph box `x` twips from its left; returns the
  // captions and value texts of a Reading window that opens, and closes it.
  std::optional<QStringList> clickGraph(const char* box, int x) {
    std::optional<QStringList> shown;
    QTimer::singleShot(0, [&] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        shown = QStringList{modal->windowTitle()};
        for (const char* label : {"Label1", "Label2", "Label3", "Label4", "Label5", "Label6"})
          *shown << modal->findChild<QLabel*>(label)->text();
        modal->close();
      }
    });
    auto* graph = control<QFrame>(box);
    QTest::mouseClick(graph, Qt::LeftButton, {}, graph->contentsRect().topLeft() + QPoint(twipsToPixels(x), 100));
    QCoreApplication::processEvents(); // the look-out ends here when no window opened
    return shown;
  }
};

TEST_F(OutputCommandsTest, eachToolbarKeyAndMenuItemRunsItsCommand) {
  choose("exporttoolbar");
  choose("csvmenu");
  ASSERT_EQ(files.shown.size(), 2u);
  EXPECT_EQ(files.shown[1].title, "Export");

  messages.answers = {MessageAnswer::No};
  choose("cliptoolbar");
  ASSERT_EQ(messages.shown.size(), 1u);
  EXPECT_EQ(messages.shown[0].title, "Copy to Clipboard");

  choose("helptoolbar");
  EXPECT_TRUE(topLevel("Help")->isVisible());

  choose("valuetoolbar");
  EXPECT_TRUE(state().valuemode);
  choose("valuetoolbar");
  EXPECT_FALSE(state().valuemode);

  // No drive answers: the start tells of it twice, the trip history read once.
  messages.shown.clear();
  const auto linkWorkDone = [this] {
    while (program.commands()->linkBusy())
      QCoreApplication::processEvents();
  };
  choose("starttoolbar");
  linkWorkDone();
  EXPECT_EQ(messages.shown.size(), 2u);
  choose("triptoolbar");
  linkWorkDone();
  EXPECT_EQ(messages.shown.size(), 3u);

  state().trend.setChecked("startmonmenu", true); // as while monitoring
  state().trend.setChecked("stopmonmenu", false);
  messages.answers = {MessageAnswer::No};
  choose("optionstoolbar");
  EXPECT_EQ(messages.shown.back().title, "Options");
  EXPECT_TRUE(state().trend.checked("startmonmenu"));
  choose("stoptoolbar");
  EXPECT_TRUE(state().trend.checked("stopmonmenu"));
}

TEST_F(OutputCommandsTest, inValueModeAClickOnEitherGraphShowsItsSampleInReading) {
  state().drive.speedscale = 4750.0f / 50.0f;
  state().drive.dirspeedscale = 20;
  fill(0, 0, 2625, 0, 0);
  fill(1, 1, 250, 250, 250);
  EXPECT_FALSE(clickGraph("Picture1", 600));
  EXPECT_FALSE(program.windows().isLoaded("Reading"));

  choose("valuetoolbar");
  EXPECT_EQ(clickGraph("Picture1", 600),
            (QStringList{"Reading", "Frequency:", "Current:", "DC Voltage:", "50.0Hz", "200.00%", "800V"}));
  EXPECT_EQ(clickGraph("Picture1", 585)->mid(4), (QStringList{"25.0Hz", "Not Monitored", "Not Monitored"}));
  EXPECT_FALSE(clickGraph("Picture1", 555));
  EXPECT_EQ(topLevel("Reading")->parentWidget(), program.trend());

  state().trend.setVisible("Picture1", false);
  state().trend.setVisible("Picture3", true);
  EXPECT_EQ(clickGraph("Picture3", 585)->mid(4), (QStringList{"0Hz", "Not Monitored", "Not Monitored"}));
}

} // namespace
} // namespace orvane::testing
