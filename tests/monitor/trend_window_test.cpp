#include "fakes/program_fixture.h"
#include "platform/qt/qt_message_boxes.h"

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

class TrendWindowTest : public ProgramTest {
protected:
  TrendWindowTest() {
    program.Main();
    trend = program.trend();
    trend->setTimerHandler("Timer1", [this] { ++ticks; });
  }

  // Lets real time pass with events running.
  static void spin(std::chrono::milliseconds time) {
    QEventLoop loop;
    QTimer::singleShot(time, &loop, &QEventLoop::quit);
    loop.exec();
  }

  void runTimer1Fast() {
    program.state().trend.setValue("Timer1", 1);
    program.state().trend.setEnabled("Timer1", true);
  }

  TrendWindow* trend = nullptr;
  int ticks = 0;
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

TEST_F(TrendWindowTest, noTickRunsWhileAMessageBoxIsOpen) {
  QtMessageBoxes boxes;
  boxes.setParentWindow([this]() -> QWidget* { return trend; });
  runTimer1Fast();
  QMessageBox* shown = nullptr;
  QString title, text;
  int ticksWhileOpen = -1;
  QTimer::singleShot(50ms, [&] {
    shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!shown)
      return;
    ticksWhileOpen = ticks;
    title = shown->windowTitle();
    text = shown->text();
    EXPECT_EQ(shown->parentWidget(), trend);
    EXPECT_EQ(shown->icon(), QMessageBox::Information);
    shown->button(QMessageBox::No)->click();
  });
  const MessageAnswer answer =
      boxes.show(MessageIcon::Information, MessageButtons::YesNo, "Clear Screen", "Are you sure?");
  ASSERT_NE(shown, nullptr);
  EXPECT_EQ(answer, MessageAnswer::No);
  EXPECT_EQ(title, "Clear Screen");
  EXPECT_EQ(text, "Are you sure?");
  EXPECT_EQ(ticksWhileOpen, 0);
  spin(50ms);
  EXPECT_GT(ticks, 0);
}

} // namespace
} // namespace orvane::testing
