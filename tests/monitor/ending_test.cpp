#include "fakes/program_fixture.h"

#include <QAction>
#include <QPointer>

namespace orvane::testing {
namespace {

class EndingTest : public ProgramTest {
protected:
  bool anyWindowVisible() const {
    for (const QWidget* window : QApplication::topLevelWidgets())
      if (window->isVisible())
        return true;
    return false;
  }
};

TEST_F(EndingTest, closingTheMainWindowUnloadsEveryOtherWindowAndEnds) {
  program.windows().define("About", [] { return new QWidget; });
  program.windows().define("Options", [] { return new QWidget; });
  program.Main();
  QPointer<QWidget> about = &program.windows().load("About");
  about->show();
  QPointer<QWidget> options = &program.windows().load("Options");

  QTimer::singleShot(0, program.trend(), &QWidget::close);
  EXPECT_EQ(runEventLoop(), 0);
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(about.isNull());
  EXPECT_TRUE(options.isNull());
  EXPECT_FALSE(anyWindowVisible());
}

} // namespace
} // namespace orvane::testing
