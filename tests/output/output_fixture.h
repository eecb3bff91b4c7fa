#pragma once

#include "fakes/program_fixture.h"
#include "platform/twips.h"

#include <QAction>
#include <QFrame>

namespace orvane::testing {

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
      state().speedys[i] = fy;
      state().ampsys[i] = ay;
      state().voltsys[i] = vy;
    }
  }

  // Where a point of a graph box (in its twips) lies in a window's picture.
  static QPoint pixelOf(QWidget& window, const char* box, int x, int y) {
    auto* frame = window.findChild<QFrame*>(box);
    return frame->mapTo(&window, frame->contentsRect().topLeft() + QPoint(twipsToPixels(x), twipsToPixels(y)));
  }
};

} // namespace orvane::testing
