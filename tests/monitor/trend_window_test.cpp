#include "fakes/program_fixture.h"

#include <QAction>
#include <QLabel>
#include <QPointer>

namespace orvane::testing {
namespace {

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
  model.setChecked("startmonmenu", true);
  model.setValue("Timer1", 700);
  model.setEnabled("Timer1", true);

  EXPECT_TRUE(widget("tripreset")->isVisible());
  EXPECT_EQ(control<QLabel>("displayspeed")->text(), "49.5");
  EXPECT_TRUE(control<QAction>("resetmenu")->isEnabled());
  EXPECT_TRUE(control<QAction>("startmonmenu")->isChecked());
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

} // namespace
} // namespace orvane::testing
