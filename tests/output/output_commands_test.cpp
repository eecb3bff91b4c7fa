#include "output_fixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

namespace orvane::testing {
namespace {

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
  topLevel("Help")->hide();
  choose("helpmenu");
  EXPECT_TRUE(topLevel("Help")->isVisible());

  choose("valuetoolbar");
  EXPECT_EQ(state().valuemode, 1);
  choose("valuetoolbar");
  EXPECT_EQ(state().valuemode, 0);
}

TEST_F(OutputCommandsTest, inValueModeAClickOnEitherGraphShowsItsSampleInReading) {
  state().speedscale = 4750.0f / 50.0f;
  state().dirspeedscale = 20;
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
