#include "fakes/program_fixture.h"
#include "platform/qt/qt_message_boxes.h"

#include <QAction>
#include <QEventLoop>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>

namespace orvane::testing {
namespace {

using namespace std::chrono_literals;

template <typename Map> std::set<std::string> namesOf(const Map& map) {
  std::set<std::string> names;
  for (const auto& entry : map)
    names.insert(entry.first);
  return names;
}

class TrendWindowTest : public ProgramTest {
protected:
  TrendWindowTest() {
    program.Main();
    trend = program.trend();
    trend->setTimerHandler("Timer1", [this] { ++ticks; });
  }

  void runTimer1Fast() {
    program.state().trend.setValue("Timer1", 1);
    program.state().trend.setEnabled("Timer1", true);
  }

  TrendWindow* trend = nullptr;
  int ticks = 0;
};

TEST_F(TrendWindowTest, everyDeclaredControlHasAWidgetEveryWidgetIsDeclaredAndNoOtherNameExists) {
  EXPECT_EQ(namesOf(program.state().trend.declared()), namesOf(trend->controls().all()));
  EXPECT_THROW(program.state().trend.visible("fordri"), UnknownControl);
  EXPECT_THROW(program.state().trend.setVisible("fordri", true), UnknownControl);
}

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

// A question, like any window a command opens, lets sampling go on; a command's
// link work, and the failure message inside it, hold ticks and show the busy
// cursor until the command ends.
TEST_F(TrendWindowTest, ticksGoOnBehindQuestionsAndWindowsButWaitForLinkWork) {
  struct Open {
    std::string title;
    int ticks;
    bool busy;
  };
  std::vector<Open> open;
  messages.answers = {MessageAnswer::No};
  messages.whileOpen = [&] {
    const int before = ticks;
    QMetaObject::invokeMethod(control<QTimer>("Timer1"), "timeout");
    const QCursor* cursor = QApplication::overrideCursor();
    open.push_back({messages.shown.back().title, ticks - before, cursor && cursor->shape() == Qt::WaitCursor});
  };
  runTimer1Fast();
  control<QPushButton>("clearscreen")->click();
  control<QAction>("startmonmenu")->trigger(); // no drive answers
  while (program.commands()->linkBusy())
    QCoreApplication::processEvents();

  ASSERT_GE(open.size(), 2u);
  EXPECT_EQ(open[0].title, "Clear Screen");
  EXPECT_GT(open[0].ticks, 0);
  EXPECT_FALSE(open[0].busy);
  for (std::size_t i = 1; i < open.size(); ++i) {
    EXPECT_EQ(open[i].title, "Communications Error");
    EXPECT_EQ(open[i].ticks, 0);
    EXPECT_TRUE(open[i].busy);
  }
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(TrendWindowTest, ticksGoOnAndTheBusyCursorIsLiftedWhileAMessageBoxIsOpen) {
  QtMessageBoxes boxes;
  boxes.setParentWindow([this]() -> QWidget* { return trend; });
  runTimer1Fast();
  QApplication::setOverrideCursor(Qt::WaitCursor);
  bool busyWhileOpen = true;
  QMessageBox* shown = nullptr;
  QString title, text;
  int ticksWhileOpen = -1;
  QTimer::singleShot(50ms, [&] {
    shown = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!shown)
      return;
    ticksWhileOpen = ticks;
    busyWhileOpen = QApplication::overrideCursor() != nullptr;
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
  EXPECT_GT(ticksWhileOpen, 0);
  EXPECT_FALSE(busyWhileOpen);
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QApplication::restoreOverrideCursor();
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
  EXPECT_EQ(state.drive.inverter, "0");
  EXPECT_EQ(state.graph.samplecount, 0);
  EXPECT_FALSE(state.trend.enabled("Timer1"));
  EXPECT_EQ(state.trend.value("Timer1"), 1000);
  EXPECT_EQ(state.graph.maxpoints, 169);
  EXPECT_EQ(state.applied.port2on, 1);
  EXPECT_TRUE(state.options.checked("currentmenu"));
}

} // namespace
} // namespace orvane::testing
