#include "fakes/program_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPointer>
#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

class TrendWindowTest : public ProgramTest {
protected:
  TrendWindowTest() {
    program.Main();
    trend = program.trend();
  }

  TrendWindow* trend = nullptr;
};

TEST_F(TrendWindowTest, modelChangesReachTheControls) {
  ControlModel& model = program.state().trend;
  model.setVisible("tripreset", true);
  model.setCaption("displayspeed", "49.5");
  model.setEnabled("resetmenu", true);
  model.setValue("Timer1", 700);
  model.setEnabled("Timer1", true);

  EXPECT_TRUE(widget("tripreset")->isVisible());
  EXPECT_EQ(control<QLabel>("displayspeed")->text(), "49.5");
  EXPECT_TRUE(control<QAction>("resetmenu")->isEnabled());
  EXPECT_TRUE(control<QTimer>("Timer1")->isActive());
  EXPECT_EQ(control<QTimer>("Timer1")->interval(), 700);
}

TEST_F(TrendWindowTest, clickingACheckedItemLeavesItsCheckToTheModel) {
  int stops = 0;
  trend->setClickHandler("stopmonmenu", [&] { ++stops; });
  control<QAction>("stopmonmenu")->trigger();
  EXPECT_EQ(stops, 1);
  EXPECT_TRUE(control<QAction>("stopmonmenu")->isChecked());
}

TEST_F(ProgramTest, closingTheMainWindowUnloadsEveryOtherWindowAndEnds) {
  program.windows().define("About", [] { return new QWidget; });
  program.windows().define("Options", [] { return new QWidget; });
  program.Main();
  QPointer<QWidget> about = &program.windows().load("About");
  about->show();
  QPointer<QWidget> options = &program.windows().load("Options");

  QTimer::singleShot(0, program.trend(), &QWidget::close);
  EXPECT_EQ(runEventLoop(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull() && options.isNull());
  const QWidgetList windows = QApplication::topLevelWidgets();
  EXPECT_TRUE(std::none_of(windows.begin(), windows.end(), [](const QWidget* w) { return w->isVisible(); }));
}

// Start-up shows the splash for just over 3 seconds, talks to no drive, knows
// no model yet and applies the stored settings.
TEST_F(ProgramTest, startUpWaitsOutTheSplashTalksToNoDriveAndAppliesTheStoredSettings) {
  const std::filesystem::path folder = std::filesystem::path(std::getenv("HOME")) / ".config/orvane-trend";
  std::filesystem::create_directories(folder);
  std::ofstream(folder / "ta.ini", std::ios::binary) << "1\r\n1\r\n1\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n10\r\n2\r\n";
  const Clock::Duration start = clock.now();
  program.Main();
  std::filesystem::remove(folder / "ta.ini");
  EXPECT_GT(clock.now() - start, 3s);
  EXPECT_LT(clock.now() - start, 3s + 100ms);
  EXPECT_FALSE(program.windows().isLoaded("Splash"));
  EXPECT_EQ(port.opens, 0);
  EXPECT_TRUE(messages.shown.empty());
  const SharedState& state = program.state();
  EXPECT_EQ(state.inverter, "0");
  EXPECT_EQ(state.samplecount, 0);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.maxpoints, 169);
  EXPECT_EQ(state.port2on, 1);
  EXPECT_TRUE(state.options.checked("currentmenu"));
}

} // namespace
} // namespace orvane::testing
